// SPDX-License-Identifier: GPL-3.0-or-later
// Symbols typed in another letter case: every symbol of the tables, every SI
// prefix on every metric symbol and every data size, in its own case, all
// lower, all upper and with the prefix's case swapped, is read as a unit it
// can stand for, or refused with each unit it can stand for named; never
// read as one of several.
#include "app/unit_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct Prefix {
    const char* symbol;
    const char* name;
    int exponent;
};

// clang-format off
const Prefix kPrefixes[] = {
    {"Q", "quetta", 30}, {"R", "ronna", 27}, {"Y", "yotta", 24}, {"Z", "zetta", 21}, {"E", "exa", 18},
    {"P", "peta", 15}, {"T", "tera", 12}, {"G", "giga", 9}, {"M", "mega", 6}, {"k", "kilo", 3}, {"h", "hecto", 2},
    {"da", "deka", 1}, {"d", "deci", -1}, {"c", "centi", -2}, {"m", "milli", -3}, {"\u00b5", "micro", -6},
    {"\u03bc", "micro", -6}, {"u", "micro", -6}, {"n", "nano", -9}, {"p", "pico", -12}, {"f", "femto", -15},
    {"a", "atto", -18}, {"z", "zepto", -21}, {"y", "yocto", -24}, {"r", "ronto", -27}, {"q", "quecto", -30},
};

// The symbols that take SI prefixes, and the unit each is.
const std::pair<const char*, const char*> kMetric[] = {
    {"m", "meter"}, {"g", "gram"}, {"l", "liter"}, {"L", "liter"}, {"s", "second"}, {"N", "newton"},
    {"W", "watt"}, {"J", "joule"}, {"Pa", "pascal"}, {"Wh", "watt-hour"}, {"bar", "bar"}, {"lx", "lux"}, {"Hz", "hertz"},
    {"mol", "mole"}, {"kat", "katal"},
};

// Data sizes: K is taken for k; binary multiples are written Ki, Mi, ...
// and decimal ones stop at Z (10^24 is no double).
const struct { char prefix; const char* decimal; const char* binary; int power; } kDataPrefixes[] = {
    {'k', "kilo", nullptr, 1}, {'K', "kilo", "kibi", 1}, {'M', "mega", "mebi", 2}, {'G', "giga", "gibi", 3},
    {'T', "tera", "tebi", 4}, {'P', "peta", "pebi", 5}, {'E', "exa", "exbi", 6}, {'Z', "zetta", "zebi", 7},
    {'Y', nullptr, "yobi", 8},
};
const std::pair<const char*, const char*> kDataUnits[] = {{"B", "byte"}, {"b", "bit"}, {"bit", "bit"}, {"bits", "bit"}};
// clang-format on

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string swapped(std::string s)
{
    for (char& c : s) {
        const auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(std::isupper(u) ? std::tolower(u) : std::toupper(u));
    }
    return s;
}

bool inWindow(const UnitName& u, const std::string& window)
{
    return window.empty() || window == u.window;
}

std::vector<std::string> split(const char* list)
{
    std::vector<std::string> parts;
    eachName(list, [&](std::string_view part) { parts.emplace_back(part); });
    return parts;
}

// A product of symbols is written with "*", a space or a hyphen as well as
// with the dot: "N*m" is "N·m".
std::string dotted(std::string s)
{
    std::string out;
    for (const char c : s)
        out += c == '*' || c == ' ' || c == '-' ? std::string("\u00b7") : std::string(1, c);
    return out;
}

// What a text written in its exact case means: a unit, times a scale, and
// the name of what that is ("kilometer" for the km row and for k + m alike).
struct Reading {
    const UnitName* unit = nullptr;
    double scale = 1;
    std::string name;
};

const UnitName* unitNamed(const std::string& name, const std::string& window)
{
    for (const UnitName& u : unitNames())
        if (inWindow(u, window) && name == u.name)
            return &u;
    return nullptr;
}

// Every text that is a symbol in its exact case, and what it means in one
// window (or in all).
class Readings {
public:
    explicit Readings(const std::string& window)
    {
        // The table's symbols come first ("ft" is no femto-ton), then the
        // names, which are read in any case, then data sizes and prefixed
        // metric symbols.
        for (const UnitName& u : unitNames()) {
            if (!inWindow(u, window))
                continue;
            for (const std::string& s : split(u.symbols))
                symbols_.emplace(s, Reading{&u, 1, u.name});
            std::vector<std::string> names = split(u.aliases);
            names.push_back(u.name);
            for (const std::string& name : names) {
                const std::string normal = normalizeUnitName(name);
                names_.emplace(normal, Reading{&u, 1, u.name});
                for (const std::string& plural : pluralsOf(normal))
                    names_.emplace(plural, Reading{&u, 1, u.name});
            }
        }
        for (const auto& d : kDataPrefixes)
            for (const auto& [symbol, unit] : kDataUnits)
                for (const bool binary : {false, true}) {
                    const char* prefixName = binary ? d.binary : d.decimal;
                    const UnitName* u = unitNamed(unit, window);
                    if (prefixName && u && (window.empty() || window == "computing"))
                        built_.emplace(d.prefix + std::string(binary ? "i" : "") + symbol,
                                       Reading{u, std::pow(binary ? 1024.0 : 1000.0, d.power),
                                               prefixName + std::string(unit)});
                }
        for (const Prefix& p : kPrefixes)
            for (const auto& [symbol, unit] : kMetric)
                if (const UnitName* u = unitNamed(unit, window))
                    built_.emplace(p.symbol + std::string(symbol),
                                   Reading{u, std::pow(10.0, p.exponent), p.name + std::string(unit)});
        for (const auto* texts : {&symbols_, &built_})
            for (const auto& [text, reading] : *texts)
                byCase_[lower(text)].push_back(text);
    }

    // Whether `typed` means anything here, in any case.
    bool any(const std::string& typed) const
    {
        return of(typed).unit || byCase_.contains(lower(typed)) || byCase_.contains(lower(dotted(typed)));
    }

    Reading of(const std::string& text) const
    {
        if (const auto s = symbols_.find(text); s != symbols_.end())
            return s->second;
        if (const auto n = names_.find(normalizeUnitName(text)); n != names_.end())
            return n->second;
        if (const auto b = built_.find(text); b != built_.end())
            return b->second;
        if (const std::string d = dotted(text); d != text)
            if (const auto s = symbols_.find(d); s != symbols_.end())
                return s->second;
        return {};
    }

    // The symbols `typed` may be another case of, and what each means.
    std::vector<Reading> inAnyCase(const std::string& typed) const
    {
        std::vector<Reading> fits;
        auto texts = byCase_.find(lower(typed));
        if (texts == byCase_.end())
            texts = byCase_.find(lower(dotted(typed)));
        if (texts == byCase_.end())
            return fits;
        for (const std::string& text : texts->second) {
            const Reading r = of(text);
            if (std::none_of(fits.begin(), fits.end(), [&](const Reading& f) { return f.name == r.name; }))
                fits.push_back(r);
        }
        return fits;
    }

private:
    std::map<std::string, Reading> symbols_, names_, built_;
    std::map<std::string, std::vector<std::string>> byCase_;  // the symbols by their lower case
};

// What the reader does wrong with `typed`; empty when it does right.
std::string checkReading(const std::string& typed, const std::string& window, const Readings& readings)
{
    const UnitSpelling m = matchUnit(typed, window);
    const double scale = m.multiply / m.divide;
    const auto same = [&](const Reading& r) { return m.unit == r.unit && std::abs(scale / r.scale - 1) < 1e-12; };
    const auto got = [&] { return m.unit ? std::string(m.unit->name) + " x " + std::to_string(scale) : "nothing"; };
    if (const Reading exact = readings.of(typed); exact.unit)
        return same(exact) ? "" : "as written it is " + exact.name + ", read as " + got();
    const std::vector<Reading> fits = readings.inAnyCase(typed);
    if (fits.empty())
        return m.unit ? "stands for nothing, read as " + got() : "";
    if (fits.size() == 1)
        return same(fits[0]) ? "" : "can only be " + fits[0].name + ", read as " + got();
    std::string problem;
    if (m.unit)
        problem = "may be several units, read as " + got();
    if (m.choices.size() != fits.size())
        problem += " names " + std::to_string(m.choices.size()) + " of " + std::to_string(fits.size()) + " choices";
    for (const Reading& f : fits)
        if (std::none_of(m.choices.begin(), m.choices.end(),
                         [&](const std::string& c) { return c.ends_with(" (" + f.name + ")"); }))
            problem += " does not name " + f.name;
    return problem;
}

TEST(SymbolCase, NoSymbolInAnotherCaseIsReadAsAnotherUnit)
{
    // Every symbol, alone and after each prefix.
    std::set<std::string> symbols;
    for (const UnitName& u : unitNames())
        for (const std::string& s : split(u.symbols))
            symbols.insert(s);
    for (const auto& [symbol, unit] : kMetric)
        symbols.insert(symbol);
    std::set<std::string> typed;
    for (const std::string& symbol : symbols) {
        for (const std::string& t : {symbol, lower(symbol), upper(symbol)})
            typed.insert(t);
        for (const Prefix& p : kPrefixes)
            for (const std::string& t :
                 {p.symbol + symbol, lower(p.symbol + symbol), upper(p.symbol + symbol), swapped(p.symbol) + symbol})
                typed.insert(t);
    }
    for (const auto& d : kDataPrefixes)
        for (const auto& [symbol, unit] : kDataUnits)
            for (const std::string& written : {d.prefix + std::string(symbol), d.prefix + std::string("i") + symbol})
                for (const std::string& t :
                     {written, lower(written), upper(written), swapped(written.substr(0, 1)) + written.substr(1)})
                    typed.insert(t);
    // Everywhere, and in each window where the text means anything.
    std::vector<std::pair<std::string, Readings>> windows;
    windows.emplace_back("", Readings(""));
    for (const UnitName& u : unitNames())
        if (windows.back().first != u.window)
            windows.emplace_back(u.window, Readings(u.window));
    std::size_t checked = 0;
    for (const auto& [window, readings] : windows)
        for (const std::string& t : typed) {
            if (!window.empty() && !readings.any(t))
                continue;
            ++checked;
            const std::string problem = checkReading(t, window, readings);
            EXPECT_EQ(problem, "") << "'" << t << "' in " << (window.empty() ? "any window" : window);
        }
    EXPECT_GT(checked, 15000u);
}

// The faults people met: a symbol in the wrong case read a billion times
// off. Exact-case symbols keep their own meaning.
TEST(SymbolCase, WrongCaseSymbolsNameTheirChoices)
{
    // clang-format off
    const struct { const char *typed, *window; std::vector<const char*> choices; } refused[] = {
        {"mw", "", {"MW (megawatt)", "mW (milliwatt)"}}, {"mw", "power-energy", {"MW (megawatt)", "mW (milliwatt)"}},
        {"mj", "", {"MJ (megajoule)", "mJ (millijoule)"}}, {"mpa", "pressure", {"MPa (megapascal)", "mPa (millipascal)"}},
        {"MM", "", {"mm (millimeter)", "mM (millimole per liter)", "Mm (megameter)"}}, {"MS", "time", {"ms (millisecond)", "Ms (megasecond)"}},
        {"MG", "", {"mg (milligram)", "mG (milligauss)", "Mg (megagram)"}}, {"mb", "", {"Mb (megabit)", "MB (megabyte)"}},
        {"kib", "computing", {"Kib (kibibit)", "KiB (kibibyte)"}},
    };
    // clang-format on
    for (const auto& c : refused) {
        const UnitSpelling m = matchUnit(c.typed, c.window);
        EXPECT_EQ(m.unit, nullptr) << c.typed;
        EXPECT_EQ(m.choices, std::vector<std::string>(c.choices.begin(), c.choices.end())) << c.typed;
    }
    const struct {
        const char *typed, *unit;
        double scale;
    } read[] = {
        {"mW", "milliwatt", 1},   {"MW", "megawatt", 1},  {"Mm", "meter", 1e6},   {"mm", "millimeter", 1},
        {"ms", "millisecond", 1}, {"Ms", "second", 1e6},  {"MB", "megabyte", 1},  {"Mb", "megabit", 1},
        {"kB", "kilobyte", 1},    {"KiB", "kibibyte", 1}, {"nm", "nanometer", 1}, {"\u00b5m", "micrometer", 1},
        {"um", "micrometer", 1},  {"KM", "kilometer", 1}, {"Kg", "kilogram", 1},  {"KWH", "kilowatt-hour", 1},
    };
    for (const auto& c : read) {
        const UnitSpelling m = matchUnit(c.typed);
        ASSERT_NE(m.unit, nullptr) << c.typed;
        EXPECT_STREQ(m.unit->name, c.unit) << c.typed;
        EXPECT_DOUBLE_EQ(m.multiply / m.divide, c.scale) << c.typed;
    }
}

}  // namespace
