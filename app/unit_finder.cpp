// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_finder.h"

#include "app/unit_translations.h"
#include "app/window_registry.h"
#include "framework/number_text.h"
#include "framework/translatable.h"

#include <algorithm>
#include <cctype>

namespace ambrel {

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool hasWordStarting(std::string_view text, std::string_view prefix)
{
    for (std::size_t at = text.find(' '); at != std::string_view::npos; at = text.find(' ', at + 1))
        if (startsWith(text.substr(at + 1), prefix))
            return true;
    return false;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

enum Rank { Exact, Beginning, Word, None };

// `meant` is the unit the command line reads the text as: a symbol in
// another case counts only through it, so "KM" finds the kilometer while
// "mw" (MW or mW?) and "mW" (a thousandth of a watt) find no row.
Rank rankOf(const UnitName& u, std::string_view raw, const std::string& wanted, const UnitSpelling& meant)
{
    Rank best = None;
    const auto better = [&best](Rank r) { best = std::min(best, r); };
    eachName(u.symbols, [&](std::string_view s) {
        if (s == raw)
            better(Exact);
    });
    if (meant.unit == &u && meant.multiply == 1 && meant.divide == 1)
        better(Beginning);
    // English names come with their plurals made by rule; the names of the
    // desktop's language spell their own.
    const auto byName = [&](std::string_view written, bool englishPlurals) {
        const std::string name = normalizeUnitName(written);
        if (name == wanted)
            better(Exact);
        else if (startsWith(name, wanted))
            better(Beginning);
        else if (wanted.size() >= 2 && hasWordStarting(name, wanted))
            better(Word);
        if (englishPlurals && best != Exact)
            for (const std::string& plural : pluralsOf(name))
                if (plural == wanted)
                    better(Exact);
    };
    const auto byEnglishName = [&](std::string_view written) { byName(written, true); };
    byEnglishName(u.name);
    eachName(u.aliases, byEnglishName);
    if (const UnitTranslation* local = best == Exact ? nullptr : unitTranslation(u.name)) {
        byName(local->singular, false);
        byName(local->plural, false);
        for (const std::string& alias : local->aliases)
            byName(alias, false);
    }
    return best;
}

}  // namespace

FinderQuery splitQuery(std::string_view typed, char decimalSeparator)
{
    typed = trimmed(typed);
    const std::size_t space = typed.find_first_of(" \t");
    if (space != std::string_view::npos) {
        const std::string_view number = typed.substr(0, space);
        if (readNumber(number, decimalSeparator).ok())
            return {std::string(number), std::string(trimmed(typed.substr(space)))};
    }
    return {{}, std::string(typed)};
}

std::vector<UnitMatch> findUnits(std::string_view typed, std::size_t limit)
{
    const std::string_view raw = trimmed(typed);
    const std::string wanted = normalizeUnitName(raw);
    // A long text names no unit; it is not worth comparing.
    if (wanted.empty() || wanted.size() > 60)
        return {};
    const UnitSpelling meant = matchUnit(raw);
    std::vector<std::pair<Rank, const UnitName*>> ranked;
    for (const UnitName& u : unitNames())
        if (const Rank r = rankOf(u, raw, wanted, meant); r != None)
            ranked.emplace_back(r, &u);
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<UnitMatch> matches;
    for (const auto& [rank, u] : ranked) {
        if (matches.size() >= limit)
            break;
        const WindowEntry* window = findWindow(u->window);
        if (!window)
            continue;
        const UnitTranslation* local = unitTranslation(u->name);
        const std::string title = " \u2014 " + windowTitle(*window);
        const std::string text = (local ? local->singular : std::string(u->name)) + title;
        matches.push_back({u, window, text, local ? local->plural + title : text});
    }
    return matches;
}

std::string windowTitle(const WindowEntry& entry)
{
    const std::string local = localText(entry.menuTitle);
    std::string_view written = local;
    // A mnemonic the name has no letter for follows it: "Flow (&1)".
    if (const std::size_t at = written.rfind(" (&"); at != std::string_view::npos && at + 5 == written.size())
        written = written.substr(0, at);
    std::string title;
    for (const char c : written)
        if (c != '&')
            title += c;
    const std::string_view ellipsis = "\u2026";
    if (title.size() >= ellipsis.size() && title.ends_with(ellipsis))
        title.resize(title.size() - ellipsis.size());
    return title;
}

}  // namespace ambrel
