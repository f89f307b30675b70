// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_translations.h"

#include "app/unit_names.h"
#include "app/window_registry.h"
#include "framework/converter_def.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>

namespace ambrel {

namespace {

std::vector<std::string_view> splitOn(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string_view stripped(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

struct Installed {
    std::vector<UnitTranslation> catalog;
    std::unordered_map<std::string_view, const UnitTranslation*> byEnglish;
};

// Set when the desktop picks its language, before its windows are built.
std::unique_ptr<const Installed>& installed()
{
    static std::unique_ptr<const Installed> catalog;
    return catalog;
}

// What the English tables call each unit: its names and plurals
// (normalized) and its symbols, each with the rows ("length/FeetField") it
// names, and the rows each English name or label a catalog translates is of.
struct EnglishNames {
    std::map<std::string, std::set<std::string>> rowsOfName;
    std::map<std::string, std::set<std::string>> rowsOfSymbol;
    std::map<std::string, std::set<std::string>> rowsOfLabel;
};

// Calls `f` with each row of every converter's tables and its window.
template <class F>
void eachTableRow(F f)
{
    for (const WindowEntry& entry : windowRegistry()) {
        if (!entry.def)
            continue;
        for (const UnitRow& row : entry.def->rows)
            f(entry, row);
        for (const UnitRow& row : entry.def->altRows)
            f(entry, row);
    }
}

EnglishNames englishNames()
{
    EnglishNames names;
    eachTableRow([&](const WindowEntry& entry, const UnitRow& row) {
        const std::string key = std::string(entry.cliName) + "/" + row.outlet;
        const auto addName = [&](std::string_view written) {
            const std::string name = normalizeUnitName(written);
            names.rowsOfName[name].insert(key);
            for (const std::string& plural : pluralsOf(name))
                names.rowsOfName[plural].insert(key);
        };
        addName(row.unit);
        names.rowsOfLabel[row.unit].insert(key);
        if (row.exactUnit) {
            addName(row.exactUnit);
            names.rowsOfLabel[row.exactUnit].insert(key);
        }
        eachName(row.aliases, addName);
        eachName(row.symbols, [&](std::string_view s) { names.rowsOfSymbol[std::string(s)].insert(key); });
    });
    return names;
}

bool meets(const std::set<std::string>& a, const std::set<std::string>& b)
{
    return std::ranges::any_of(a, [&](const std::string& x) { return b.contains(x); });
}

std::string listed(const std::set<std::string>& rows)
{
    std::string list;
    for (const std::string& row : rows)
        list += (list.empty() ? "" : ", ") + row;
    return list;
}

}  // namespace

std::vector<UnitTranslation> readUnitTranslations(std::string_view text, std::vector<std::string>* problems)
{
    std::vector<UnitTranslation> catalog;
    int lineNumber = 0;
    for (std::string_view line : splitOn(text, '\n')) {
        ++lineNumber;
        if (stripped(line).empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> columns = splitOn(line, '\t');
        UnitTranslation t;
        t.english = stripped(columns[0]);
        if (columns.size() > 1)
            t.singular = stripped(columns[1]);
        if (columns.size() > 2)
            t.plural = stripped(columns[2]);
        if (columns.size() > 3)
            for (std::string_view alias : splitOn(columns[3], '|'))
                if (!stripped(alias).empty())
                    t.aliases.emplace_back(stripped(alias));
        if (t.english.empty() || t.singular.empty() || t.plural.empty() || columns.size() > 4) {
            if (problems)
                problems->push_back("line " + std::to_string(lineNumber) +
                                    ": wants the English name, singular, plural and aliases apart by tabs");
            continue;
        }
        catalog.push_back(std::move(t));
    }
    return catalog;
}

std::vector<std::string> translatableUnitNames()
{
    std::vector<std::string> names;
    std::set<std::string_view> seen;
    const auto add = [&](const char* name) {
        if (name && seen.insert(name).second)
            names.emplace_back(name);
    };
    eachTableRow([&](const WindowEntry&, const UnitRow& row) {
        add(row.unit);
        add(row.exactUnit);
    });
    return names;
}

std::vector<std::string> unitTranslationClashes(std::span<const UnitTranslation> catalog)
{
    const EnglishNames english = englishNames();
    const auto rowsOf = [&](const UnitTranslation& t) {
        const auto found = english.rowsOfLabel.find(t.english);
        return found == english.rowsOfLabel.end() ? std::set<std::string>() : found->second;
    };
    std::map<std::string, std::set<std::string>> rowsOfTranslated;  // normalized name -> rows
    const auto eachWritten = [](const UnitTranslation& t, auto f) {
        f(t.singular);
        f(t.plural);
        for (const std::string& alias : t.aliases)
            f(alias);
    };
    for (const UnitTranslation& t : catalog)
        eachWritten(t, [&](const std::string& w) { rowsOfTranslated[normalizeUnitName(w)].merge(rowsOf(t)); });
    std::vector<std::string> clashes;
    for (const UnitTranslation& t : catalog) {
        const std::set<std::string> own = rowsOf(t);
        if (own.empty()) {
            clashes.push_back("“" + t.english + "” names no unit of the tables");
            continue;
        }
        eachWritten(t, [&](const std::string& written) {
            const std::string name = normalizeUnitName(written);
            const auto sameName = english.rowsOfName.find(name);
            if (sameName != english.rowsOfName.end() && meets(sameName->second, own))
                return;  // one of the unit's own English names
            const std::string what = "“" + written + "” (" + t.english + ") is ";
            if (const auto symbol = english.rowsOfSymbol.find(written);
                symbol != english.rowsOfSymbol.end() && !meets(symbol->second, own))
                clashes.push_back(what + "a symbol of " + listed(symbol->second));
            else if (sameName != english.rowsOfName.end())
                clashes.push_back(what + "an English name of " + listed(sameName->second));
            else if (const std::set<std::string>& rows = rowsOfTranslated[name]; rows != own)
                clashes.push_back(what + "also the name of " + listed(rows));
        });
    }
    std::ranges::sort(clashes);
    clashes.erase(std::unique(clashes.begin(), clashes.end()), clashes.end());
    return clashes;
}

void useUnitTranslations(std::vector<UnitTranslation> catalog)
{
    auto table = std::make_unique<Installed>();
    table->catalog = std::move(catalog);
    for (const UnitTranslation& t : table->catalog)
        table->byEnglish.emplace(t.english, &t);
    installed() = std::move(table);
}

const UnitTranslation* unitTranslation(std::string_view english)
{
    const std::unique_ptr<const Installed>& table = installed();
    if (!table)
        return nullptr;
    const auto found = table->byEnglish.find(english);
    return found == table->byEnglish.end() ? nullptr : found->second;
}

}  // namespace ambrel
