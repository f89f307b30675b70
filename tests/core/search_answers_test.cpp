// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop's search shows for what a person types: the conversion
// asked for, the usual units when none is named, completions of a target
// begun, and nothing for text that is no quantity.
#include "cli/search_answers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

std::vector<std::string> results(std::string_view text, SearchOptions options = {})
{
    std::vector<std::string> out;
    for (const SearchAnswer& a : answerSearch(text, options))
        out.push_back(a.result);
    return out;
}

TEST(SearchAnswers, ATargetGivesItsConversionWithTheQuestionAndWindow)
{
    const std::vector<SearchAnswer> answers = answerSearch("3 mi to km", {});
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].result, "4.828032 km");
    EXPECT_EQ(answers[0].question, "3 mi \u2192 km");
    EXPECT_EQ(answers[0].window, "Length");

    // clang-format off
    const struct { const char* text; const char* result; } cases[] = {
        {"3 mi in km", "4.828032 km"}, {"3 mi as km", "4.828032 km"}, {"3 mi -> km", "4.828032 km"},
        {"3 mi = km", "4.828032 km"}, {"3 mi km", "4.828032 km"}, {"  3\tmi   to\nkm ", "4.828032 km"},
        {"5 ft 3 in to cm", "160.02 cm"}, {"-40 C to F", "-40 F"}, {"1/2 cup in ml", "118.29411825 ml"},
        {"3 in in cm", "7.62 cm"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(results(c.text), std::vector<std::string>{c.result}) << c.text;
}

TEST(SearchAnswers, TheStoredChoicesSetTheTablesTheDigitsAndTheSeparator)
{
    EXPECT_EQ(results("3 mi to km", {.accuracy = 2}), std::vector<std::string>{"4.83 km"});
    EXPECT_EQ(results("3 mi to km", {.accuracy = 2, .decimalSeparator = ','}), std::vector<std::string>{"4,83 km"});
    // The classic tables' foot is 1/3.281 m.
    EXPECT_EQ(results("1 m to ft", {.exact = false}), std::vector<std::string>{"3.281 ft"});
    EXPECT_EQ(results("1 m to ft"), std::vector<std::string>{"3.2808398950131235 ft"});
}

TEST(SearchAnswers, WithoutATargetTheUsualUnitsShowButNotTheOwnOne)
{
    EXPECT_EQ(results("1 km"),
              (std::vector<std::string>{"1000 m", "100000 cm", "0.621371192237334 mi", "3280.839895013123 ft",
                                        "39370.07874015748 in"}));
    EXPECT_EQ(results("100 °C"), (std::vector<std::string>{"212 F", "373.15 K"}));
    // "C" is the coulomb too: with no target it names nothing for certain.
    EXPECT_TRUE(results("100 C").empty());
    // A window of two quantities shows the one typed: power in power units.
    EXPECT_EQ(results("1 kW"), (std::vector<std::string>{"1000 W", "1.341022089595028 hp", "0.001 MW"}));
    EXPECT_EQ(results("1 km", {.limit = 2}).size(), 2u);
    // Every usual unit is one the window knows: each window fills its five.
    for (const char* text :
         {"1 m", "1 ha",  "1 m/s", "1 bar", "1 s",  "1 l",  "1 kg", "1 W",  "1 MB", "1 L/min", "1 kg/h",
          "1 A", "1 mAh", "1 V",   "1 ohm", "1 Gy", "1 Sv", "1 Bq", "1 mR", "1 cP", "1 cSt"})
        EXPECT_GE(results(text).size(), 3u) << text;
    for (const char* text : {"1 J/kg", "1 J/kg K", "1 W/m K", "1 W/m2", "1 W/m2 K", "1 m2 K/W"})
        EXPECT_GE(results(text).size(), 2u) << text;
}

TEST(SearchAnswers, ATargetBegunCompletesInTheQuantitysWindow)
{
    const std::vector<std::string> km = results("3 mi to k");
    ASSERT_FALSE(km.empty());
    EXPECT_EQ(km.front(), "4.828032 km");
    for (const std::string& r : km)
        EXPECT_NE(r.find(" k"), std::string::npos) << r;
    EXPECT_EQ(results("1 ft in furl"), std::vector<std::string>{"0.0015151515151515152 furlong"});
    EXPECT_TRUE(results("3 mi to zq").empty());
}

TEST(SearchAnswers, TextThatIsNoQuantityInAUnitGivesNothing)
{
    for (const char* text : {"", " ", "hello", "42", "firefox", "3 mi to kg", "mi", "3", "1e999 m to km", "3 mi in",
                             "((((((", "\xff\xfe", "3 hello to km"})
        EXPECT_TRUE(answerSearch(text, {}).empty()) << text;
    EXPECT_TRUE(answerSearch("3 mi to km" + std::string(kLongestSearch, ' '), {}).empty());
}

}  // namespace
