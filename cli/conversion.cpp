// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/conversion.h"

#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/result_range.h"
#include "cli/safe_text.h"
#include "framework/entry.h"
#include "framework/mixed_amounts.h"
#include "framework/quantity_text.h"

#include <algorithm>
#include <ostream>

namespace ambrel {

// Words that may stand between the quantity and the unit it goes into:
// "3 mi in km", "100 F to C". "in" and "as" are also units (the inch, the
// attosecond), so a word here separates only with a unit on either side.
bool isSeparator(std::string_view word)
{
    return word == "in" || word == "to" || word == "as" || word == "->" || word == "=";
}

std::vector<std::string> splitWords(std::string_view text)
{
    std::vector<std::string> words;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start)
            words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

namespace {

std::string joinWords(std::span<const std::string> words)
{
    std::string joined;
    for (const std::string& w : words)
        joined += (joined.empty() ? "" : " ") + w;
    return joined;
}

// The words after the number name one unit, or two: the first into the
// second, perhaps with a separator between them.
struct UnitWords {
    std::optional<UnitPick> from, to;
    std::vector<UnitPick> mixed;  // a target in several units, "ft in"
    std::string unknown;          // the words that named nothing
    std::string dangling;         // a separator that ends the words after a unit
};

// Two units take a dozen words at most; more is not worth trying to split.
constexpr std::size_t kMostUnitWords = 12;

// The words that name the target after a split: a separator in front is
// skipped when a unit follows it ("in km"); "in" alone is the inch.
std::span<const std::string> targetWords(std::span<const std::string> rest)
{
    return rest.size() > 1 && isSeparator(rest.front()) ? rest.subspan(1) : rest;
}

// "ft in", "h min s": the words split into units, longest names first,
// each unit named by whole words; empty when they do not split so.
std::vector<UnitPick> splitTarget(std::span<const std::string> words, const WindowEntry* window)
{
    // split[i]: the units of words i.. (none needed past the end), found
    // from the back so that each run of words is looked up once.
    const std::size_t n = words.size();
    std::vector<std::optional<std::vector<UnitPick>>> split(n + 1);
    split[n].emplace();
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t end = n; end > i && !split[i]; --end) {
            if (!split[end])
                continue;
            if (std::optional<UnitPick> unit = pickUnit(joinWords(words.subspan(i, end - i)), window)) {
                split[i].emplace(1, std::move(*unit));
                split[i]->insert(split[i]->end(), split[end]->begin(), split[end]->end());
            }
        }
    return split[0] ? std::move(*split[0]) : std::vector<UnitPick>();
}

// The units of a quantity and its target in several units, read in one
// window: the first unit's, else the target's first unit's (a shared name
// goes where the others are). Unchanged when no window has them all.
void pickOneWindow(UnitPick& from, std::vector<UnitPick>& mixed)
{
    for (const WindowEntry* window : {from.window, mixed.front().window}) {
        std::optional<UnitPick> first = pickUnit(from.typed, window);
        std::vector<UnitPick> parts;
        for (const UnitPick& part : mixed)
            if (std::optional<UnitPick> again = pickUnit(part.typed, window))
                parts.push_back(std::move(*again));
        if (first && parts.size() == mixed.size()) {
            from = std::move(*first);
            mixed = std::move(parts);
            return;
        }
    }
}

UnitWords pickUnits(std::span<const std::string> words, const WindowEntry* window)
{
    UnitWords picked;
    if ((picked.from = pickUnit(joinWords(words), window)))
        return picked;
    if (words.size() > kMostUnitWords) {
        picked.unknown = joinWords(words);
        return picked;
    }
    // "3 mi in" may be miles into inches or a target left out: neither is
    // guessed.
    if (words.size() > 1 && isSeparator(words.back()) && pickUnit(joinWords(words.first(words.size() - 1)), window)) {
        picked.dangling = words.back();
        return picked;
    }
    for (std::size_t k = 1; k < words.size(); ++k) {
        auto from = pickUnit(joinWords(words.first(k)), window);
        if (!from)
            continue;
        const std::span<const std::string> rest = words.subspan(k), target = targetWords(rest);
        // The separator reading first; then the words as they stand, for a
        // target whose name starts with one ("in Hg").
        auto to = pickUnit(joinWords(target), window);
        if (!to && target.size() != rest.size())
            to = pickUnit(joinWords(rest), window);
        if (to) {
            pickSameWindow(from, to);
            picked.from = std::move(from);
            picked.to = std::move(to);
            return picked;
        }
    }
    // A target in several units: "175 cm ft in", "100 min to h min".
    for (std::size_t k = 1; k + 1 < words.size(); ++k) {
        std::optional<UnitPick> from = pickUnit(joinWords(words.first(k)), window);
        if (!from)
            continue;
        const std::span<const std::string> target = targetWords(words.subspan(k));
        if (target.size() < 2 || target.size() > kMostUnitWords)
            continue;
        if (std::vector<UnitPick> mixed = splitTarget(target, window); mixed.size() >= 2) {
            pickOneWindow(*from, mixed);
            picked.from = std::move(from);
            picked.mixed = std::move(mixed);
            return picked;
        }
    }
    // Name the part that failed: what follows the longest known start, or
    // what precedes the longest known end.
    picked.unknown = joinWords(words);
    for (std::size_t k = words.size() - 1; k >= 1; --k) {
        if (pickUnit(joinWords(words.first(k)), window)) {
            picked.unknown = joinWords(targetWords(words.subspan(k)));
            return picked;
        }
    }
    for (std::size_t k = 1; k < words.size(); ++k) {
        if (pickUnit(joinWords(words.subspan(k)), window)) {
            std::size_t end = k;
            if (end > 1 && isSeparator(words[end - 1]))
                --end;
            picked.unknown = joinWords(words.first(end));
            return picked;
        }
    }
    return picked;
}

// A separator with no unit after it: "3 mi to" lacks the target; "3 mi in"
// may mean inches too, so the refusal shows both ways of saying it.
int danglingSeparator(std::ostream& err, std::string_view text, const std::string& word, const WindowEntry* window)
{
    std::string_view before = text;
    while (!before.empty() && before.back() == ' ')
        before.remove_suffix(1);
    const std::string_view typed = before.substr(before.rfind(' ') + 1);  // "->" where the reading has "to"
    before.remove_suffix(typed.size());
    while (!before.empty() && before.back() == ' ')
        before.remove_suffix(1);
    const std::optional<UnitPick> unit = pickUnit(word, window);
    if (!unit)
        return usageError(err, "give the unit to convert into after " + quoted(typed));
    const UnitSpelling spelling = matchUnit(word, unit->window->cliName);
    const bool plain = spelling.unit && spelling.multiply == 1 && spelling.divide == 1;
    const std::string name = plain ? spelling.unit->name : word;
    return usageError(err,
                      quoted(text) + " is unclear: for the unit " + quoted(word) + " write " +
                          quoted(std::string(before) + " " + word + " " + name) + ", for every unit " + quoted(before));
}

int unknownUnit(std::ostream& err, const std::string& typed, const WindowEntry* window)
{
    const UnitSpelling spelling = matchUnit(typed, window ? window->cliName : "");
    if (!spelling.choices.empty()) {
        err << "ambrel: no unit " << quoted(typed)
            << (window ? std::string(" in ") + window->cliName : " in any window") << "; it could be";
        for (std::size_t i = 0; i < spelling.choices.size(); ++i)
            err << (i == 0 ? " " : i + 1 == spelling.choices.size() ? " or " : ", ") << spelling.choices[i];
        err << "\n";
        return kExitUsage;
    }
    err << "ambrel: ";
    if (window)
        err << window->cliName << " has no unit " << quoted(typed);
    else
        err << "no unit " << quoted(typed) << " in any window";
    const char* in = window ? window->cliName : "";
    std::vector<std::string> close = closeUnitNames(typed, in);
    // Nothing close to all the words: perhaps to each of them ("c f").
    for (std::size_t start = 0; close.empty() && start < typed.size();) {
        const std::size_t end = std::min(typed.find(' ', start), typed.size());
        if (end > start && end - start < typed.size())
            for (std::string& c : closeUnitNames(typed.substr(start, end - start), in, 3))
                close.push_back(std::move(c));
        start = end + 1;
    }
    if (!close.empty()) {
        err << "; did you mean";
        for (std::size_t i = 0; i < close.size(); ++i)
            err << (i ? ", " : " ") << close[i];
        err << '?';
    }
    err << "\nTry 'ambrel units" << (window ? std::string(" ") + window->cliName : std::string())
        << "' for the units.\n";
    return kExitUsage;
}

// The quantity as typed, without the unit it goes into: "1e308 ly" of
// "1e308 ly in m".
std::string_view withoutTarget(std::string_view text, const std::string& target)
{
    const auto trim = [&] {
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
    };
    trim();
    if (text.ends_with(target))
        text.remove_suffix(target.size());
    trim();
    if (const std::size_t space = text.rfind(' ');
        space != std::string_view::npos && isSeparator(text.substr(space + 1)))
        text = text.substr(0, space);
    trim();
    return text;
}

int refuse(std::ostream& err, std::string_view text, std::string_view why)
{
    err << "ambrel: " << quoted(text) << " refused: " << why << "\n";
    return kExitRefused;
}

// The arrow between a quantity and its target reads as "to": the quantity
// reader takes its "-" for a minus. Same length, so places in messages hold.
std::string arrowsAsTo(std::string text)
{
    for (std::size_t at = text.find("->"); at != std::string::npos; at = text.find("->", at + 2))
        if ((at == 0 || text[at - 1] == ' ') && (at + 2 == text.size() || text[at + 2] == ' '))
            text.replace(at, 2, "to");
    return text;
}

// Whether `typed` names a unit of `window` as well as it names one of the
// window it was read in: a table's own symbol or name there counts only
// against another such (not "NM", the nautical mile, against the newton
// meter's "Nm" in another case).
bool namesAsWell(const std::string& typed, const WindowEntry& window, bool tableName)
{
    return tableName ? findUnit(typed, window.cliName) != nullptr : matchUnit(typed, window.cliName).unit != nullptr;
}

// Whether `typed` is, letter for letter, a symbol of the window's table.
bool exactSymbolOf(std::string_view typed, const WindowEntry& window)
{
    if (!window.def)
        return false;
    bool found = false;
    for (const auto rows : {window.def->rows, window.def->altRows})
        for (const UnitRow& row : rows)
            eachName(row.symbols, [&](std::string_view symbol) { found = found || symbol == typed; });
    return found;
}

// The windows whose units all of `units` (read in one window) name, that
// one first; just that one when no other window has them all. A symbol
// typed letter for letter is shared only with a window that has the same
// symbol: "gal" is the gallon's, not the gal's ("Gal") by its name.
std::vector<const WindowEntry*> windowsNaming(const std::vector<UnitPick>& units)
{
    std::vector<const WindowEntry*> windows{units.front().window};
    for (const WindowEntry& w : windowRegistry()) {
        bool all = &w != windows.front();
        for (const UnitPick& u : units)
            all = all &&
                (exactSymbolOf(u.typed, *u.window)
                     ? exactSymbolOf(u.typed, w)
                     : namesAsWell(u.typed, w, findUnit(u.typed, u.window->cliName) != nullptr));
        if (all)
            windows.push_back(&w);
    }
    return windows;
}

// The size of each unit of a target in several units in its last unit, the
// units checked: scales of the quantity's box, each larger than the next.
int sizeParts(Session& session, const UnitPick& from, Conversion& result, std::ostream& err)
{
    const UnitPick& last = *result.target;
    const UnitRow* fromRow = unitRow(*from.window, from);
    const auto baseOf = [&](const UnitRow& row) { return std::string_view(from.window->def->boxes[row.box].base); };
    std::vector<UnitPick> all = result.parts;
    all.push_back(last);
    for (const UnitPick& unit : all) {
        const UnitRow* row = unitRow(*from.window, unit);
        if (!row || !fromRow)
            return usageError(err, std::string(from.window->cliName) + " cannot give an answer in several units");
        if (row->exact.kind != ExactSize::Kind::Linear || !row->exact.offset.isZero())
            return usageError(err,
                              quoted(unit.typed) +
                                  " is not a plain multiple of a unit, so an answer cannot be split "
                                  "into it; convert into it alone");
        if (baseOf(*row) != baseOf(*fromRow))
            return usageError(err,
                              quoted(from.typed) + " and " + quoted(unit.typed) + " measure different things in " +
                                  from.window->cliName + "; they do not convert into each other");
    }
    ExactValue smaller = ExactValue::ofDouble(1);
    for (std::size_t i = result.parts.size(); i-- > 0;) {
        const std::optional<ExactValue> size = convertIn(session, result.parts[i], ExactValue::ofDouble(1), last);
        const ExactValue step = size ? *size - smaller : ExactValue();
        if (!size || step.isZero() || step.isNegative())
            return usageError(err,
                              "give the units of an answer in parts largest first, each larger than the next, e.g. "
                              "'ft in'");
        result.sizes.insert(result.sizes.begin(), *size);
        smaller = *size;
    }
    return 0;
}

}  // namespace

// Reads a quantity (arithmetic, or amounts in units of one window added up)
// and the words naming its unit and the unit to convert into.
int readConversion(std::span<const std::string> words, const WindowEntry* window, bool exact, Conversion& result,
                   std::ostream& err)
{
    const std::string text = joinWords(words);
    const QuantityReading reading = readQuantity(arrowsAsTo(text));
    if (!reading.ok()) {
        err << "ambrel: " << quoted(text) << " refused: " << describe(reading) << "\n";
        return kExitRefused;
    }
    const std::vector<QuantityTerm>& terms = reading.terms;
    if (terms.back().unit.empty())
        return usageError(err, "give a unit after the number, e.g. 'ambrel 3 mi km'");
    // The last amount's words name its unit and perhaps the target; every
    // earlier amount's words name just its unit.
    const UnitWords last = pickUnits(splitWords(terms.back().unit), window);
    if (!last.dangling.empty())
        return danglingSeparator(err, text, last.dangling, window);
    if (!last.from)
        return unknownUnit(err, last.unknown, window);
    // A target in several units converts into the last of them, then is
    // split.
    const std::optional<UnitPick> to = last.mixed.empty() ? last.to : std::optional(last.mixed.back());
    std::vector<UnitPick> units;
    for (std::size_t i = 0; i + 1 < terms.size(); ++i) {
        // Looked up in the last amount's window first, then anywhere, to
        // tell a unit of another window from no unit at all.
        std::optional<UnitPick> unit = pickUnit(terms[i].unit, window ? window : last.from->window);
        if (!unit && !window)
            unit = pickUnit(terms[i].unit, nullptr);
        if (!unit)
            return unknownUnit(err, terms[i].unit, window);
        units.push_back(std::move(*unit));
    }
    units.push_back(*last.from);
    const UnitPick& from = units.front();
    for (const UnitPick& u : units)
        if (u.window != from.window)
            return usageError(err,
                              quoted(from.typed) + " is a unit of " + from.window->cliName + " and " + quoted(u.typed) +
                                  " of " + u.window->cliName + "; they do not add up");
    std::vector<UnitPick> targets = last.mixed;
    if (targets.empty() && to)
        targets.push_back(*to);
    for (const UnitPick& t : targets)
        if (t.window != from.window)
            return usageError(err,
                              quoted(from.typed) + " is a unit of " + from.window->cliName + " and " + quoted(t.typed) +
                                  " of " + t.window->cliName + "; they do not convert into each other");

    // With neither a window nor a target, a name two windows share ("N": the
    // newton of weight and of force) is not settled by taking the first.
    if (const std::vector<const WindowEntry*> windows = window || to ? std::vector{from.window} : windowsNaming(units);
        windows.size() > 1) {
        std::string choices;
        for (std::size_t i = 0; i < windows.size(); ++i)
            choices += (i == 0                        ? ""
                            : i + 1 == windows.size() ? " and of "
                                                      : ", of ") +
                std::string(windows[i]->cliName);
        return usageError(err,
                          quoted(from.typed) + " is a unit of " + choices + "; give the window first, e.g. 'ambrel " +
                              windows[1]->cliName + " " + text + "', or a unit to convert into");
    }

    // Each amount is converted on its own and the results added up, in the
    // target unit when there is one, else in the first amount's table unit.
    UnitPick sumUnit = to ? *to : from;
    if (!to)
        sumUnit.multiply = sumUnit.divide = 1;
    // One window does it all: each conversion enters its amount afresh, so
    // none depends on the one before.
    result.session = std::make_unique<Session>(*from.window, kDefaultCliAccuracy, exact);
    Session& session = *result.session;
    for (const UnitPick& u : units)
        if (const std::string why = apartBoxes(session, u, sumUnit); !why.empty())
            return usageError(err, why);
    // The amounts add up exactly and the sum is rounded once.
    ExactValue sum;
    std::string targetText;
    for (const UnitPick& t : targets)
        targetText += (targetText.empty() ? "" : " ") + t.typed;
    const std::string_view quantity = to ? withoutTarget(text, targetText) : std::string_view(text);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::optional<ExactValue> value = convertIn(session, units[i], terms[i].exact, sumUnit);
        if (const char* why = outOfRange(terms[i].exact, value))
            return refuse(err, quantity, why);
        sum = i == 0 ? *value : sum + *value;
    }
    if (const char* why = outOfRange(terms.front().exact, sum))
        return refuse(err, quantity, why);
    const double total = sum.toDouble();
    const int index = session.controller->fieldIndex(sumUnit.outlet);
    if (const std::string why = session.controller->entryRefusal(index, inTableUnit(sumUnit, sum)); !why.empty())
        return refuse(err, quantity, why);
    if (terms.size() > 1 || !to) {
        // The window shows the sum (the table form prints every cell).
        applySetting(session, sumUnit.setting);
        carry(session, index, inTableUnit(sumUnit, sum));
    }
    if (!to)
        if (const std::string why = tableOutOfRange(session, index, total); !why.empty())
            return refuse(err, quantity, why);
    result.index = index;
    result.from = from;
    result.target = to;
    if (!last.mixed.empty()) {
        result.parts.assign(last.mixed.begin(), last.mixed.end() - 1);
        if (const int status = sizeParts(session, from, result, err); status != 0)
            return status;
        if ((sum / result.sizes.front()).toDouble() >= kLargestWholePart)
            return refuse(err, quantity, "too large to show in parts; convert it into one unit");
    }
    result.total = total;
    result.exactTotal = sum;
    result.quantity = quantity;
    return 0;
}

std::string mixedAnswer(const Conversion& c, MixedDigits digits, const std::function<std::string(double)>& showRest)
{
    const std::optional<MixedAmount> amount = splitAmount(c.exactTotal, c.sizes, digits);
    if (!amount || !c.target)
        return {};
    std::vector<std::string> units;
    for (const UnitPick& part : c.parts)
        units.push_back(part.typed);
    units.push_back(c.target->typed);
    return mixedText(*amount, units, showRest);
}

}  // namespace ambrel
