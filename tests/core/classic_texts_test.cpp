// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that warn about the classic tables name exactly the units of the
// one list of departures, with its sizes. The lists in them are made from that
// list: run this test with AMBREL_WRITE_TEXTS=1 to write them after the list
// changes, then read the result before committing it.
#include "app/classic_departures.h"
#include "cli_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

std::string sourcePath(const std::string& path)
{
    return std::string(AMBREL_SOURCE_DIR) + "/" + path;
}

std::string read(const std::string& path)
{
    std::ifstream in(sourcePath(path), std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writing()
{
    const char* flag = std::getenv("AMBREL_WRITE_TEXTS");
    return flag && std::string(flag) == "1";
}

// "−90%", "+33%", "−1.0%", "+0.068%": two figures, signed with a true minus.
std::string percent(double departure)
{
    const double size = std::fabs(departure) * 100;
    char digits[32];
    if (size >= 10)
        std::snprintf(digits, sizeof digits, "%.0f", size);
    else
        std::snprintf(digits, sizeof digits, "%#.2g", size);
    return (departure < 0 ? "\u2212" : "+") + std::string(digits) + "%";
}

// The largest departures, for the texts with room for a sentence only.
constexpr double kLargest = 0.01;

std::string largestPhrase()
{
    std::vector<const ClassicDeparture*> largest;
    for (const ClassicDeparture& d : classicDepartures())
        if (std::fabs(d.departure) >= kLargest)
            largest.push_back(&d);
    std::ranges::stable_sort(largest, std::greater<>(),
                             [](const ClassicDeparture* d) { return std::fabs(d->departure); });
    std::vector<std::string> named;
    for (const ClassicDeparture* d : largest)
        named.push_back(std::string(d->unit) + " (" + percent(d->departure) + ")");
    std::string phrase = std::to_string(classicDepartures().size()) +
        " units differ from their definitions by more than 0.01%, most of all: ";
    for (std::size_t i = 0; i < named.size(); ++i)
        phrase += (i == 0 ? "" : i + 1 == named.size() ? " and " : ", ") + named[i];
    return phrase;
}

// The sentence up to its full stop; a size may hold a decimal point, but
// only the last one is followed by ").".
const std::regex kLargestPattern(R"(\d+ units differ from their definitions by more than 0\.01%[^;<]*?(\)|%)(?=\.))");

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string markdownList()
{
    std::string out;
    for (const ClassicDeparture& d : classicDepartures())
        out += std::string("- ") + d.unit + " (" + d.window + "): " + d.classic + "; by definition " + d.definition +
            "; " + percent(d.departure) + "\n";
    return out;
}

std::string roffList()
{
    std::string out;
    for (const ClassicDeparture& d : classicDepartures()) {
        std::string line = std::string(d.classic) + "; by definition " + d.definition + "; " + percent(d.departure);
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"-", "\\-"},
                                       {"\u2212", "\\-"},
                                       {"\u00b0", "\\(de"},
                                       {"\u00b2", "\\(S2"},
                                       {"\u00b3", "\\(S3"},
                                       {"\u00d7", "\\(mu"},
                                       {"\u03c0", "\\(*p"}})
            line = replaceAll(line, from, to);
        out += std::string(".TP\n.BR \"") + d.unit + "\" \" (" + d.window + ")\"\n" + line + "\n";
    }
    return out;
}

std::string htmlTable()
{
    std::string out = "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n"
                      "<tr><th>Unit</th><th>Window</th><th>Classic</th><th>Definition</th><th>Off by</th></tr>\n";
    for (const ClassicDeparture& d : classicDepartures())
        out += std::string("<tr><td>") + d.unit + "</td><td>" + d.window + "</td><td>" + d.classic + "</td><td>" +
            d.definition + "</td><td>" + percent(d.departure) + "</td></tr>\n";
    return out + "</table>\n";
}

struct FullList {
    const char* path;
    const char* begin;  // the lines that fence the list
    const char* end;
    std::function<std::string()> make;
};

const FullList kFullLists[] = {
    {"README.md", "<!-- classic departures: made from app/classic_departures.cpp -->\n",
     "<!-- end of classic departures -->\n", markdownList},
    {"resources/ambrel.1", ".\\\" classic departures: made from app/classic_departures.cpp\n",
     ".\\\" end of classic departures\n", roffList},
    {"resources/notebooks/Summary.html", "<!-- classic departures: made from app/classic_departures.cpp -->\n",
     "<!-- end of classic departures -->\n", htmlTable},
};

// The texts with room for a sentence: the count and the largest departures.
const char* const kShortTexts[] = {"resources/org.orlune.Ambrel.metainfo.xml.in", "resources/ui/Warranty.ui"};

void rewrite(const std::string& path, const std::string& text)
{
    std::ofstream out(sourcePath(path), std::ios::binary | std::ios::trunc);
    out << text;
}

TEST(ClassicTexts, FullListsAreTheListOfDepartures)
{
    for (const FullList& f : kFullLists) {
        SCOPED_TRACE(f.path);
        std::string text = read(f.path);
        const std::size_t begin = text.find(f.begin);
        ASSERT_NE(begin, std::string::npos) << "no list begins here";
        const std::size_t from = begin + std::string(f.begin).size();
        const std::size_t end = text.find(f.end, from);
        ASSERT_NE(end, std::string::npos) << "the list never ends";
        const std::string want = f.make();
        if (writing() && text.compare(from, end - from, want) != 0) {
            text.replace(from, end - from, want);
            rewrite(f.path, text);
            continue;
        }
        EXPECT_EQ(text.substr(from, end - from), want) << "write it with AMBREL_WRITE_TEXTS=1";
        EXPECT_EQ(text.find(f.begin, end), std::string::npos) << "a second list";
    }
}

TEST(ClassicTexts, ShortTextsNameTheCountAndTheLargestDepartures)
{
    const std::string want = largestPhrase();
    for (const char* path : kShortTexts) {
        SCOPED_TRACE(path);
        std::string text = read(path);
        std::smatch found;
        ASSERT_TRUE(std::regex_search(text, found, kLargestPattern)) << "no sentence on the departures";
        if (writing() && found.str() != want) {
            text.replace(static_cast<std::size_t>(found.position()), static_cast<std::size_t>(found.length()), want);
            rewrite(path, text);
            continue;
        }
        EXPECT_EQ(found.str(), want) << "write it with AMBREL_WRITE_TEXTS=1";
        // Each points to where the whole list is.
        EXPECT_NE(text.find("Summary"), std::string::npos);
    }
}

// The old claim that the classic tables are off only in the fourth digit, in
// any text a person reads, the command line's help included.
TEST(ClassicTexts, NoTextUnderstatesTheClassicTables)
{
    std::vector<std::pair<std::string, std::string>> texts = {{"--help", ambrel::testing::run({"--help"}).out}};
    for (const char* path :
         {"README.md", "resources/ambrel.1", "resources/org.orlune.Ambrel.metainfo.xml.in", "resources/ui/Warranty.ui",
          "resources/ui/HelpIntro.ui", "resources/notebooks/Summary.html", "resources/notebooks/Length.html"})
        texts.emplace_back(path, read(path));
    const std::regex understated(R"((fourth|4th)(&nbsp;|\s)+(significant\s+)?digit)", std::regex::icase);
    for (const auto& [name, text] : texts)
        EXPECT_FALSE(std::regex_search(text, understated)) << name;
}

// The figures the lists are written with.
TEST(ClassicTexts, DeparturesAreWrittenToTwoFigures)
{
    const std::pair<double, const char*> cases[] = {
        {-0.9, "\u221290%"}, {0.333, "+33%"},      {-0.0101, "\u22121.0%"},
        {6.8e-4, "+0.068%"}, {1.04e-4, "+0.010%"}, {-2.89e-4, "\u22120.029%"},
    };
    for (const auto& [departure, shown] : cases)
        EXPECT_EQ(percent(departure), shown) << departure;
}

}  // namespace
