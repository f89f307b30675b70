// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_names.h"

#include "app/unit_translations.h"
#include "app/window_registry.h"
#include "framework/converter_def.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <optional>

namespace ambrel {

namespace {

// Every unit the windows' tables name, window by window in the menu's
// order: each table's rows, and the rows of its other setting that need it.
std::vector<UnitName> collectUnits()
{
    std::vector<UnitName> units;
    for (const WindowEntry& entry : windowRegistry()) {
        if (!entry.def)
            continue;
        const ConverterDef& def = *entry.def;
        const auto add = [&](const UnitRow& row) {
            const bool base = std::string_view(def.boxes[row.box].base) == row.outlet;
            units.push_back({entry.cliName, row.outlet, row.unit, row.symbols, row.aliases, row.setting, base});
        };
        for (const UnitRow& row : def.rows)
            add(row);
        for (const UnitRow& row : def.altRows)
            if (row.setting)
                add(row);
    }
    return units;
}

const std::vector<UnitName>& allUnits()
{
    static const std::vector<UnitName> units = collectUnits();
    return units;
}

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool inWindow(const UnitName& u, std::string_view window)
{
    return window.empty() || window == u.window;
}

bool isConsonant(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) && std::string_view("aeiou").find(c) == std::string_view::npos;
}

std::string pluralWord(std::string_view w)
{
    std::string word(w);
    if (word.size() >= 4 && word.compare(word.size() - 4, 4, "foot") == 0)
        return word.substr(0, word.size() - 4) + "feet";
    if (word.empty() || !std::isalpha(static_cast<unsigned char>(word.back())))
        return word + "s";
    const auto endsWith = [&](std::string_view tail) {
        return word.size() >= tail.size() && word.compare(word.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith("s") || endsWith("x") || endsWith("z") || endsWith("ch") || endsWith("sh"))
        return word + "es";
    if (word.size() >= 2 && word.back() == 'y' && isConsonant(word[word.size() - 2]))
        return word.substr(0, word.size() - 1) + "ies";
    return word + "s";
}

bool namesMatch(const std::string& n, const std::string& typed)
{
    if (n == typed)
        return true;
    // A plural is at least as long as the name: skip the work otherwise.
    if (typed.size() < n.size() || typed.size() > n.size() + 3)
        return false;
    for (const std::string& p : pluralsOf(n))
        if (p == typed)
            return true;
    return false;
}

// Edit distance, for texts short enough that its cost does not matter.
std::size_t distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::span<const UnitName> unitNames()
{
    return allUnits();
}

std::string normalizeUnitName(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    bool space = false;
    for (const char c : text) {
        if (c == '\'')
            continue;
        if (c == ' ' || c == '-' || c == '\t') {
            space = !s.empty();
            continue;
        }
        if (space)
            s += ' ';
        space = false;
        s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // The capitals of Latin-1 (À to Þ, but not ×) in UTF-8, for the
        // names of other languages: "Élément" reads as "élément".
        const auto lead = s.size() >= 2 ? static_cast<unsigned char>(s[s.size() - 2]) : 0;
        const auto trail = static_cast<unsigned char>(s.back());
        if (lead == 0xC3 && trail >= 0x80 && trail <= 0x9E && trail != 0x97)
            s.back() = static_cast<char>(trail + 0x20);
    }
    replaceAll(s, "\xE2\x80\x99", "");  // a typographic apostrophe
    replaceAll(s, "metre", "meter");
    replaceAll(s, "litre", "liter");
    replaceAll(s, "deca", "deka");
    replaceAll(s, "gramme", "gram");
    return s;
}

std::vector<std::string> pluralsOf(std::string_view name)
{
    std::vector<std::string> plurals;
    const std::string n(name);
    std::size_t start = 0;
    while (start < n.size()) {
        const std::size_t end = std::min(n.find(' ', start), n.size());
        const std::string word = n.substr(start, end - start);
        if (!word.empty() && std::isalpha(static_cast<unsigned char>(word[0])))
            plurals.push_back(n.substr(0, start) + pluralWord(word) + n.substr(end));
        start = end + 1;
    }
    return plurals;
}

const UnitName* findUnit(std::string_view typed, std::string_view window)
{
    bool symbol = false;
    for (const UnitName& u : allUnits()) {
        if (!inWindow(u, window))
            continue;
        eachName(u.symbols, [&](std::string_view s) { symbol = symbol || s == typed; });
        if (symbol)
            return &u;
    }
    const std::string wanted = normalizeUnitName(typed);
    if (wanted.empty())
        return nullptr;
    // Each unit's name and aliases as they are matched, made once: every
    // text that is no symbol is looked for among them.
    static const std::vector<std::vector<std::string>> normalNames = [] {
        std::vector<std::vector<std::string>> all;
        for (const UnitName& u : allUnits()) {
            std::vector<std::string>& names = all.emplace_back();
            names.push_back(normalizeUnitName(u.name));
            eachName(u.aliases, [&](std::string_view a) { names.push_back(normalizeUnitName(a)); });
        }
        return all;
    }();
    const std::vector<UnitName>& units = allUnits();
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (!inWindow(units[i], window))
            continue;
        for (const std::string& name : normalNames[i])
            if (namesMatch(name, wanted))
                return &units[i];
    }
    return nullptr;
}

std::vector<std::string> closeUnitNames(std::string_view typed, std::string_view window, std::size_t limit)
{
    struct Candidate {
        std::size_t score;
        const UnitName* unit;
        std::string text;
    };
    std::vector<Candidate> found;
    const std::string wanted = normalizeUnitName(typed);
    if (wanted.empty() || wanted.size() > 40)
        return {};
    const auto consider = [&](std::string_view written, const UnitName& u) {
        const std::string candidate = normalizeUnitName(written);
        std::size_t score;
        if (candidate == wanted)
            score = 0;  // another letter case of a symbol
        else if (wanted.size() >= 3 && candidate.compare(0, wanted.size(), wanted) == 0)
            score = 1;
        else if ((" " + candidate + " ").find(" " + wanted + " ") != std::string::npos)
            score = 2;  // a word of a longer name: "ounce" in "US fluid ounce"
        else if (const std::size_t d = distance(wanted, candidate);
                 wanted.size() > 1 && d <= (wanted.size() <= 3 ? 1u : 2u))
            score = 1 + d;
        else
            return;
        std::string text(written);
        if (written != u.name)
            text += std::string(" (") + u.name + ")";
        found.push_back({score, &u, text});
    };
    for (const UnitName& u : allUnits()) {
        if (!inWindow(u, window))
            continue;
        consider(u.name, u);
        eachName(u.symbols, [&](std::string_view s) { consider(s, u); });
        eachName(u.aliases, [&](std::string_view a) { consider(a, u); });
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    // Each unit once, by its closest way of writing.
    std::vector<std::string> out;
    std::vector<const UnitName*> named;
    for (const Candidate& c : found) {
        if (out.size() >= limit)
            break;
        if (std::find(named.begin(), named.end(), c.unit) != named.end())
            continue;
        named.push_back(c.unit);
        out.push_back(c.text);
    }
    return out;
}

const UnitName* meetingUnit(std::string_view window)
{
    for (const UnitName& u : allUnits())
        if (window == u.window && u.base && !u.setting)
            return &u;
    return nullptr;
}

namespace {

struct Prefix {
    const char* symbol;
    const char* name;
    int exponent;  // of ten
};

// "u" is the typed stand-in for µ; both the micro sign and the Greek mu are
// in use.
constexpr Prefix kSiPrefixes[] = {
    {"Q", "quetta", 30},     {"R", "ronna", 27},      {"Y", "yotta", 24},  {"Z", "zetta", 21},  {"E", "exa", 18},
    {"P", "peta", 15},       {"T", "tera", 12},       {"G", "giga", 9},    {"M", "mega", 6},    {"k", "kilo", 3},
    {"h", "hecto", 2},       {"da", "deka", 1},       {"d", "deci", -1},   {"c", "centi", -2},  {"m", "milli", -3},
    {"\u00b5", "micro", -6}, {"\u03bc", "micro", -6}, {"u", "micro", -6},  {"n", "nano", -9},   {"p", "pico", -12},
    {"f", "femto", -15},     {"a", "atto", -18},      {"z", "zepto", -21}, {"y", "yocto", -24}, {"r", "ronto", -27},
    {"q", "quecto", -30},
};

// The symbols of the metric units that take SI prefixes.
// clang-format off
constexpr const char* kMetricSymbols[] = {"m", "g", "l", "L", "s", "N", "W", "J", "Pa", "Wh", "bar", "lx", "Hz",
                                          "mol", "kat"};
// clang-format on

constexpr const char* kBinaryNames[] = {"kibi", "mebi", "gibi", "tebi", "pebi", "exbi", "zebi", "yobi"};

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool startsWith(std::string_view s, std::string_view head)
{
    return s.substr(0, head.size()) == head;
}

UnitSpelling scaled(const UnitName* unit, int exponent)
{
    UnitSpelling m;
    m.unit = unit;
    if (exponent > 0)
        m.multiply = std::pow(10.0, exponent);  // exact up to 1e22
    else if (exponent < 0)
        m.divide = std::pow(10.0, -exponent);
    return m;
}

// Powers written out: "m^2", "m²" and "m2" are one symbol.
std::string plainPowers(std::string_view typed)
{
    std::string s(typed);
    replaceAll(s, "^2", "2");
    replaceAll(s, "^3", "3");
    replaceAll(s, "\u00b2", "2");
    replaceAll(s, "\u00b3", "3");
    return s;
}

// The usual short forms of the words of a rate, so "km per hr", "miles/hour"
// and "m/sec" meet the table's "km/h", "mi/h" and "m/s".
std::string rateWord(const std::string& typed)
{
    const std::string word = normalizeUnitName(typed);
    static constexpr std::pair<const char*, const char*> kShort[] = {
        {"hr", "h"},         {"hrs", "h"},         {"hour", "h"},     {"hours", "h"},     {"sec", "s"},
        {"second", "s"},     {"seconds", "s"},     {"minute", "min"}, {"minutes", "min"}, {"mins", "min"},
        {"kilometer", "km"}, {"kilometers", "km"}, {"meter", "m"},    {"meters", "m"},    {"mile", "mi"},
        {"miles", "mi"},     {"foot", "ft"},       {"feet", "ft"},    {"km", "km"},       {"mi", "mi"},
        {"ft", "ft"},        {"m", "m"},           {"h", "h"},        {"s", "s"},         {"min", "min"},
    };
    // A word becomes its short form; a symbol keeps the case it was typed
    // in, so that "KB/S" is read by the rules for another case.
    for (const auto& [from, to] : kShort)
        if (word == from)
            return word == to && typed != to ? typed : to;
    // Any other unit by its plural or another name, in small letters:
    // "lbs/hr" is "lb/h", "cu ft/min" "ft3/min". (A capital may be a symbol's
    // other case, and a digit a power or a prefixed symbol, which have rules
    // of their own.)
    const bool small =
        std::all_of(typed.begin(), typed.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == ' '; });
    if (const UnitName* u = small ? findUnit(typed) : nullptr; u && *u->symbols)
        return std::string(firstName(u->symbols));
    return typed;
}

std::optional<std::string> rateSymbol(std::string_view typed)
{
    std::string t(typed);
    std::string num, den;
    const std::size_t slash = t.find('/');
    const std::size_t per = normalizeUnitName(t).find(" per ");
    if (slash != std::string::npos) {
        num = t.substr(0, slash);
        den = t.substr(slash + 1);
    } else if (per != std::string::npos) {
        const std::string n = normalizeUnitName(t);
        num = n.substr(0, per);
        den = n.substr(per + 5);
    } else {
        return std::nullopt;
    }
    return rateWord(num) + "/" + rateWord(den);
}

// Bytes and bits with decimal or binary prefixes: "KB", "PB", "TiB", "Gbit",
// "kilobytes", "gibibits". K is taken for k.
UnitSpelling dataSize(std::string_view typed, std::string_view window)
{
    if (!window.empty() && window != "computing")
        return {};
    static constexpr const char* kDecimal = "kMGTPEZY";
    static constexpr const char* kDecimalNames[] = {"kilo", "mega", "giga", "tera", "peta", "exa", "zetta", "yotta"};
    std::string t(typed);
    int power = 0;
    bool binary = false;
    bool bits = false;
    std::string rest;
    // By name: "kilobytes", "gibibit".
    const std::string n = normalizeUnitName(t);
    for (int i = 0; i < 8 && !power; ++i)
        for (const bool bin : {false, true}) {
            const std::string_view prefix = bin ? kBinaryNames[i] : kDecimalNames[i];
            if (startsWith(n, prefix)) {
                rest = n.substr(prefix.size());
                if (rest == "byte" || rest == "bytes" || rest == "bit" || rest == "bits") {
                    power = i + 1;
                    binary = bin;
                    bits = rest.rfind("bit", 0) == 0;
                    break;
                }
            }
        }
    if (!power) {
        if (t.size() < 2)
            return {};
        const char p = t[0] == 'K' ? 'k' : t[0];
        const char* at = std::strchr(kDecimal, p);
        if (!at || p == '\0')
            return {};
        power = static_cast<int>(at - kDecimal) + 1;
        rest = t.substr(1);
        if (startsWith(rest, "i")) {
            if (t[0] == 'k')
                return {};  // "kib": a bit or a byte? Ki is written with a capital.
            binary = true;
            rest = rest.substr(1);
        }
        if (rest == "B")
            bits = false;
        else if (rest == "b" || rest == "bit" || rest == "bits")
            bits = true;
        else
            return {};
    }
    const UnitName* unit = findUnit(bits ? "b" : "B", "computing");
    if (!unit)
        return {};
    UnitSpelling m;
    m.unit = unit;
    // Exact: powers of two, and of ten up to 1e21 (1e24 is not a double).
    if (!binary && power > 7)
        return {};
    m.multiply = std::pow(binary ? 1024.0 : 1000.0, power);
    return m;
}

// A metric unit with an SI prefix: "nm", "kN", "mW", "µs", "nanometer",
// "kilonewtons".
UnitSpelling siPrefixed(std::string_view typed, std::string_view window)
{
    for (const Prefix& p : kSiPrefixes) {
        if (!startsWith(typed, p.symbol) || typed.size() == std::strlen(p.symbol))
            continue;
        const std::string_view rest = typed.substr(std::strlen(p.symbol));
        for (const char* symbol : kMetricSymbols)
            if (rest == symbol)
                if (const UnitName* u = findUnit(symbol, window))
                    return scaled(u, p.exponent);
    }
    const std::string n = normalizeUnitName(typed);
    for (const Prefix& p : kSiPrefixes) {
        if (!startsWith(n, p.name) || n.size() == std::strlen(p.name))
            continue;
        const std::string rest = n.substr(std::strlen(p.name));
        // The base unit's own name: "meter", "gram", "newton", "watt".
        for (const char* symbol : kMetricSymbols) {
            const UnitName* u = findUnit(symbol, window);
            if (u && findUnit(rest, window) == u)
                return scaled(u, p.exponent);
        }
    }
    return {};
}

// The usual other ways of writing `typed`, which is first: powers written
// out, a rate in words, a product with "*" or a space, "UK" or "British"
// for "imperial".
std::vector<std::string> writtenForms(std::string_view typed)
{
    std::vector<std::string> forms = {std::string(typed)};
    if (std::string powers = plainPowers(typed); powers != typed)
        forms.push_back(std::move(powers));
    if (const std::optional<std::string> rate = rateSymbol(forms.back()))
        forms.push_back(*rate);
    // A product of symbols with "*", ".", a space or a hyphen for the dot:
    // "N*m", "Pa.s", "lbf ft", "N-m".
    if (forms.front().find_first_of("*. -") != std::string::npos) {
        std::string dotted = forms.front();
        replaceAll(dotted, "*", "\u00b7");
        replaceAll(dotted, ".", "\u00b7");
        replaceAll(dotted, " ", "\u00b7");
        replaceAll(dotted, "-", "\u00b7");
        forms.push_back(plainPowers(dotted));
        // Each factor by its symbol: "ft-lbs" is "ft·lb".
        std::string factors;
        for (std::size_t start = 0; start <= dotted.size();) {
            const std::size_t dot = std::min(dotted.find("\u00b7", start), dotted.size());
            factors += (start ? "\u00b7" : "") + rateWord(dotted.substr(start, dot - start));
            start = dot + std::string_view("\u00b7").size();
        }
        if (factors != dotted)
            forms.push_back(plainPowers(factors));
    }
    const std::string n = normalizeUnitName(typed);
    for (const char* region : {"uk ", "british ", "imperial ", "imp "})
        if (startsWith(n, region))
            for (const char* as : {"imperial ", "imp "})
                forms.push_back(as + n.substr(std::strlen(region)));
    return forms;
}

// The unit `typed` names with its symbols in the case they are written in
// (names, as always, in any case).
UnitSpelling asWritten(std::string_view typed, std::string_view window)
{
    if (const UnitName* u = findUnit(typed, window))
        return scaled(u, 0);
    const std::vector<std::string> forms = writtenForms(typed);
    for (std::size_t i = 1; i < forms.size(); ++i)
        if (const UnitName* u = findUnit(forms[i], window))
            return scaled(u, 0);
    if (UnitSpelling m = dataSize(typed, window); m.unit)
        return m;
    for (const std::string& form : forms)
        if (UnitSpelling m = siPrefixed(form, window); m.unit)
            return m;
    return {};
}

// Every symbol a unit may be written with, letter for letter: the tables'
// own, each SI prefix on each metric symbol, and the data sizes.
struct Symbol {
    std::string text;
    std::string lower;  // the text in lower case, to compare with
};

const std::vector<Symbol>& everySymbol()
{
    static const std::vector<Symbol> symbols = [] {
        std::vector<std::string> all;
        for (const UnitName& u : allUnits())
            eachName(u.symbols, [&](std::string_view s) { all.emplace_back(s); });
        for (const Prefix& p : kSiPrefixes)
            for (const char* symbol : kMetricSymbols)
                all.push_back(std::string(p.symbol) + symbol);
        for (const char prefix : std::string_view("kKMGTPEZY"))
            for (const char* binary : {"", "i"})
                for (const char* unit : {"B", "b", "bit", "bits"})
                    all.push_back(prefix + std::string(binary) + unit);
        // In that order, the order a refusal names them in. Some come twice
        // ("km"); their readings are named once.
        std::vector<Symbol> out;
        for (std::string& text : all)
            out.push_back({text, lowerAscii(text)});
        return out;
    }();
    return symbols;
}

// The name of the unit a spelling reads as: its prefix's and its unit's,
// "milliwatt", "mebibyte".
std::string spelledName(const UnitSpelling& m)
{
    std::string prefix;
    for (const Prefix& p : kSiPrefixes)
        if (p.exponent != 0 && (p.exponent > 0 ? m.multiply : m.divide) == std::pow(10.0, std::abs(p.exponent)))
            prefix = p.name;
    for (int i = 0; i < 8; ++i)
        if (m.divide == 1 && m.multiply == std::pow(1024.0, i + 1))
            prefix = kBinaryNames[i];
    return prefix + m.unit->name;
}

// A symbol in another letter case: read as the one unit the symbols it may
// stand for name ("KM" can only be km), or refused with each of them named
// when they name several ("mw": MW or mW). Never read as one of several.
UnitSpelling inAnotherCase(std::string_view typed, std::string_view window)
{
    UnitSpelling m;
    const std::string wanted = lowerAscii(typed);
    std::vector<std::string> names;
    for (const auto& [symbol, lower] : everySymbol()) {
        if (lower != wanted || symbol == typed)
            continue;
        const UnitSpelling read = asWritten(symbol, window);
        if (!read.unit)
            continue;
        std::string name = spelledName(read);
        if (std::find(names.begin(), names.end(), name) != names.end())
            continue;
        if (names.empty()) {
            m.unit = read.unit;
            m.multiply = read.multiply;
            m.divide = read.divide;
        }
        // Named in the desktop's language where it has the name.
        const UnitTranslation* local = unitTranslation(name);
        m.choices.push_back(symbol + " (" + (local ? local->singular : name) + ")");
        names.push_back(std::move(name));
    }
    if (names.size() == 1)
        m.choices.clear();
    else
        m.unit = nullptr;
    m.otherCase = m.unit != nullptr;
    return m;
}

}  // namespace

UnitSpelling matchUnit(std::string_view typed, std::string_view window)
{
    if (typed.empty() || typed.size() > 100)
        return {};
    if (UnitSpelling m = asWritten(typed, window); m.unit)
        return m;
    for (const std::string& form : writtenForms(typed))
        if (UnitSpelling m = inAnotherCase(form, window); m.unit || !m.choices.empty())
            return m;
    return {};
}

}  // namespace ambrel
