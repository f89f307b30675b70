#include "app/unit_names.h"

#include "app/window_registry.h"
#include "framework/converter_def.h"

#include <algorithm>
#include <cctype>

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

// Calls `f` with each '|'-separated part of `list`.
template <class F>
void eachPart(const char* list, F f)
{
    const std::string_view all = list ? list : "";
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t bar = std::min(all.find('|', start), all.size());
        if (bar > start)
            f(all.substr(start, bar - start));
        start = bar + 1;
    }
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

bool namesMatch(std::string_view name, const std::string& typed)
{
    const std::string n = normalizeUnitName(name);
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
        eachPart(u.symbols, [&](std::string_view s) { symbol = symbol || s == typed; });
        if (symbol)
            return &u;
    }
    const std::string wanted = normalizeUnitName(typed);
    if (wanted.empty())
        return nullptr;
    for (const UnitName& u : allUnits()) {
        if (!inWindow(u, window))
            continue;
        bool named = namesMatch(u.name, wanted);
        eachPart(u.aliases, [&](std::string_view a) { named = named || namesMatch(a, wanted); });
        if (named)
            return &u;
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
        eachPart(u.symbols, [&](std::string_view s) { consider(s, u); });
        eachPart(u.aliases, [&](std::string_view a) { consider(a, u); });
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

}  // namespace ambrel
