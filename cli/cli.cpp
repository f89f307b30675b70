// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/json.h"
#include "cli/safe_text.h"
#include "cli/session.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "framework/quantity_text.h"
#include "headless/headless_platform.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace ambrel {

namespace {

std::string windowNames()
{
    std::string names;
    for (const WindowEntry& e : windowRegistry()) {
        if (!names.empty())
            names += ' ';
        names += e.cliName;
    }
    return names;
}

void printUsage(std::ostream& out)
{
    out << "Usage:\n"
           "  ambrel                          start the desktop program (on a terminal\n"
           "                                  without a display: the interactive mode)\n"
           "  ambrel QUANTITY UNIT TO-UNIT    convert a quantity from one unit into another\n"
           "  ambrel QUANTITY UNIT            convert into every unit of the same window\n"
           "  ambrel WINDOW QUANTITY UNIT [TO-UNIT]\n"
           "                                  the same, with the unit looked up in WINDOW\n"
           "  ambrel units [WINDOW] [--exact] list the windows, or a window's units and\n"
           "                                  choices (with --exact, each unit's exact\n"
           "                                  definition; with --names, every name and\n"
           "                                  symbol, one a line)\n"
           "  ambrel run [--exact] [--accuracy D] [--tsv | --json] WINDOW STEP...\n"
           "                                  run a window as a script\n"
           "  ambrel batch [--exact] [--json] FROM-UNIT TO-UNIT < numbers\n"
           "  ambrel batch [--exact] [--json] WINDOW OUTLET [--to OUTLET] < numbers\n"
           "                                  one number per input line; one line out per\n"
           "                                  input: the TO-UNIT value, or every field's\n"
           "                                  stored value (reads back to the same double),\n"
           "                                  tab-separated; with --json one object a line\n"
           "  ambrel -i                       the interactive mode: a quantity and units per\n"
           "                                  line, '?' lists the windows, 'quit' leaves\n"
           "  ambrel --help                   show this text\n"
           "  ambrel --version                show the version\n"
           "\n"
           "A quantity is a number, arithmetic on numbers (+ - * / and parentheses), or\n"
           "amounts in units of one window side by side, which add up (5 ft 3 in).\n"
           "Units are full names (\"miles\", \"degrees Celsius\", any case; quotes around\n"
           "several words are optional) or symbols (\"mi\", \"C\", \"KiB\", \"kB\"), with SI\n"
           "prefixes on metric units (nm, kN, GW), powers (m^2, ft3), rates (km/hr, km\n"
           "per hour), byte and bit multiples (PB, Gbit) and months. A symbol's letter\n"
           "case matters where another unit has the other case (mb: Mb or MB).\n"
           "--json, with a friendly form or run, prints a JSON object instead of text.\n"
           "--digits N sets the friendly forms' significant digits (default "
        << kDefaultFriendlyDigits
        << ").\n"
           "\"--\" ends the options, though a negative number needs none.\n"
           "\n"
           "Table sets: by default Ambrel converts with its classic tables, whose factors\n"
           "are rounded (a pound of 454 g, K = C + 273, an acre of 4046.9 m2, an imperial\n"
           "gallon of 4.546 L, a nautical mile of 1851.66 m, an imperial bushel 1% small).\n"
           "--exact on any form, or AMBREL_EXACT=1 in the environment, converts with\n"
           "exact definitions instead (2019 SI, the international yard and pound, the\n"
           "imperial and US gallons, NIST SP 811), correctly rounded.\n"
           "\n"
           "Script steps, applied in order:\n"
           "  OUTLET=TEXT   type TEXT into the field OUTLET and press Enter; for a choice\n"
           "                (radio buttons or pop-up), select the item with tag TEXT\n"
           "  Selector:     send an action to the window, such as Calc: to a calculator\n"
           "\n"
           "After the last step every field is printed in the window's order. With --tsv\n"
           "each line is OUTLET, the stored value (which reads back to the same double) and\n"
           "the text the window shows, separated by tabs; in a text field's value a\n"
           "backslash, tab or line break is written \\\\, \\t, \\n or \\r. D is the number of\n"
           "decimals shown (default "
        << kDefaultCliAccuracy
        << "); from 17 on every number shows all the digits it has.\n"
           "\n"
           "Windows: "
        << windowNames()
        << "\n"
           "\n"
           "Examples:\n"
           "  ambrel 3 mi km\n"
           "  ambrel -40 C F\n"
           "  ambrel 5 ft 3 in cm\n"
           "  ambrel '1/2' cup ml\n"
           "  ambrel 500 nm m\n"
           "  ambrel 1 TB GiB\n"
           "  ambrel --digits 4 100 km/hr mph\n"
           "  ambrel --exact 1 lb kg\n"
           "  ambrel length 1 foot\n"
           "  ambrel -- -5 ft m\n"
           "  ambrel units file-transfer\n"
           "  ambrel run --tsv length FeetField=1\n"
           "  ambrel run file-transfer FileSize=700 BytesSelPopup=2 TransferSpeed=7 Calc:\n"
           "  ambrel batch ft m < numbers\n"
           "  ambrel --json batch length FeetField --to MetersField < numbers\n"
           "\n"
           "Exit status: 0 done; 1 the output could not be written; 2 an entry was\n"
           "refused; 64 bad usage.\n";
}

int usageError(std::ostream& err, const std::string& message)
{
    err << "ambrel: " << message << "\n";
    err << "Try 'ambrel --help' for more information.\n";
    return kExitUsage;
}

bool parseInt(std::string_view text, int& value)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto res = std::from_chars(first, last, value);
    return res.ec == std::errc() && res.ptr == last && first != last;
}

enum class StepResult { Done, Refused, Unknown };

StepResult typeInto(Session& s, int index, std::string_view text, std::ostream& err)
{
    const EntryResult result = typeAndConfirm(s.platform, *s.controller, index, text);
    if (!result.accepted) {
        err << "ambrel: " << s.controller->plan().fields[index].outlet << ": " << quoted(text)
            << " refused: " << result.message << "\n";
        return StepResult::Refused;
    }
    return StepResult::Done;
}

StepResult choose(Session& s, std::size_t index, std::string_view text, std::ostream& err)
{
    const ChoicePlan& plan = s.controller->plan().choices[index];
    int tag = 0;
    const bool known = parseInt(text, tag) &&
        std::any_of(plan.items.begin(), plan.items.end(), [&](const ChoiceItem& item) { return item.tag == tag; });
    if (!known) {
        err << "ambrel: " << plan.outlet << ": " << quoted(text) << " is not an item tag; see 'ambrel units "
            << s.entry.cliName << "'\n";
        return StepResult::Unknown;
    }
    s.controller->parts().choices[index]->selectItemWithTag(tag);
    if (!plan.action.empty())
        s.controller->perform(plan.action);
    return StepResult::Done;
}

StepResult runStep(Session& s, std::string_view step, std::ostream& err)
{
    const std::size_t eq = step.find('=');
    if (eq == std::string_view::npos) {
        if (step.empty() || step.back() != ':' || !s.controller->perform(step)) {
            err << "ambrel: unknown action " << quoted(step) << "\n";
            return StepResult::Unknown;
        }
        return StepResult::Done;
    }
    const std::string_view outlet = step.substr(0, eq);
    const std::string_view text = step.substr(eq + 1);
    const int index = s.controller->fieldIndex(outlet);
    if (index >= 0)
        return typeInto(s, index, text, err);
    const auto& choices = s.controller->plan().choices;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].outlet == outlet)
            return choose(s, i, text, err);
    err << "ambrel: no field or control named " << quoted(outlet) << "\n";
    return StepResult::Unknown;
}

// A text cell's entry within one TSV field: a backslash, tab or line break
// in it would end the field or the record, so they are escaped as \\, \t,
// \n and \r.
std::string tsvField(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

void printTsv(Session& s, std::ostream& out)
{
    const auto& fields = s.controller->plan().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        HeadlessField& cell = s.cell(static_cast<int>(i));
        out << fields[i].outlet << '\t' << tsvField(cell.stringValue()) << '\t' << tsvField(cell.shown()) << '\n';
    }
}

// The friendly forms show twelve significant digits, so a tiny value is
// never shown as a bare zero.
std::string friendlyNumber(double value, int digits = kDefaultFriendlyDigits)
{
    if (!std::isfinite(value))
        return formatShown(value, 0);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return std::string(buf, res.ptr);
}

std::string friendlyNumber(HeadlessField& cell, int digits = kDefaultFriendlyDigits)
{
    return cell.isText() ? cell.shown() : friendlyNumber(cell.doubleValue(), digits);
}

// With `friendly` digits (> 0), numbers show that many significant digits.
void printTable(Session& s, std::ostream& out, int highlighted = -1, int friendly = 0)
{
    const auto& plan = s.controller->plan();
    std::size_t labelWidth = 0, valueWidth = 0;
    for (std::size_t i = 0; i < plan.fields.size(); ++i) {
        HeadlessField& cell = s.cell(static_cast<int>(i));
        labelWidth = std::max(labelWidth, displayWidth(cell.title()));
        valueWidth = std::max(valueWidth, (friendly ? friendlyNumber(cell, friendly) : cell.shown()).size());
    }
    int lastBox = -1;
    for (std::size_t i = 0; i < plan.fields.size(); ++i) {
        const FieldPlan& f = plan.fields[i];
        if (f.box != lastBox && f.box >= 0 && f.box < static_cast<int>(plan.boxes.size())) {
            if (lastBox != -1)
                out << '\n';
            out << plan.boxes[f.box].title << '\n';
            lastBox = f.box;
        }
        HeadlessField& cell = s.cell(static_cast<int>(i));
        const std::string shown = friendly ? friendlyNumber(cell, friendly) : cell.shown();
        const std::string label = cell.title();
        out << "  " << std::string(valueWidth - shown.size(), ' ') << shown << "  " << label;
        if (static_cast<int>(i) == highlighted)
            out << std::string(labelWidth - displayWidth(label), ' ') << "  <-";
        out << '\n';
    }
}

// {"window": NAME, "fields": [{"outlet", "unit", "value", "shown"}, ...]}
// with the fields `indices`, or all of them when that is empty.
void printJson(Session& s, std::ostream& out, std::vector<int> indices = {}, int friendly = 0)
{
    if (indices.empty())
        for (std::size_t i = 0; i < s.controller->plan().fields.size(); ++i)
            indices.push_back(static_cast<int>(i));
    out << "{\"window\":" << jsonString(s.entry.cliName) << ",\"fields\":[";
    for (std::size_t n = 0; n < indices.size(); ++n) {
        HeadlessField& cell = s.cell(indices[n]);
        out << (n ? "," : "") << "{\"outlet\":" << jsonString(s.controller->plan().fields[indices[n]].outlet)
            << ",\"unit\":" << jsonString(cell.title())
            << ",\"value\":" << (cell.isText() ? jsonString(cell.stringValue()) : jsonNumber(cell.doubleValue()))
            << ",\"shown\":" << jsonString(friendly ? friendlyNumber(cell, friendly) : cell.shown()) << '}';
    }
    out << "]}\n";
}

int runScript(std::span<const std::string> args, bool exact, std::ostream& out, std::ostream& err)
{
    int accuracy = kDefaultCliAccuracy;
    bool tsv = false, json = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--exact") {
            exact = true;
        } else if (a == "--tsv") {
            tsv = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--accuracy") {
            if (i + 1 >= args.size() || !parseInt(args[i + 1], accuracy))
                return usageError(err, "--accuracy needs a whole number");
            ++i;
        } else if (a.rfind("--accuracy=", 0) == 0) {
            if (!parseInt(std::string_view(a).substr(11), accuracy))
                return usageError(err, "--accuracy needs a whole number");
        } else if (a.rfind("--", 0) == 0) {
            return usageError(err, "unknown option " + quoted(a));
        } else {
            break;
        }
    }
    if (tsv && json)
        return usageError(err, "choose one of --tsv and --json");
    if (i >= args.size())
        return usageError(err, "run needs a window: " + windowNames());
    const WindowEntry* entry = findWindow(args[i]);
    if (!entry)
        return usageError(err, "unknown window " + quoted(args[i]) + "; windows: " + windowNames());

    Session session(*entry, accuracy, exact);
    for (++i; i < args.size(); ++i) {
        switch (runStep(session, args[i], err)) {
        case StepResult::Done: break;
        case StepResult::Refused: return kExitRefused;
        case StepResult::Unknown: err << "Try 'ambrel --help' for more information.\n"; return kExitUsage;
        }
    }
    if (json)
        printJson(session, out);
    else if (tsv)
        printTsv(session, out);
    else
        printTable(session, out);
    return 0;
}

// --- the friendly forms ---------------------------------------------------

std::string joinWords(std::span<const std::string> words)
{
    std::string joined;
    for (const std::string& w : words)
        joined += (joined.empty() ? "" : " ") + w;
    return joined;
}

// The words after the number name one unit, or two: the first into the
// second, with an optional "to" between them.
struct UnitWords {
    std::optional<UnitPick> from, to;
    std::string unknown;  // the words that named nothing
};

// Two units take a dozen words at most; more is not worth trying to split.
constexpr std::size_t kMostUnitWords = 12;

UnitWords pickUnits(std::span<const std::string> words, const WindowEntry* window)
{
    UnitWords picked;
    if ((picked.from = pickUnit(joinWords(words), window)))
        return picked;
    if (words.size() > kMostUnitWords) {
        picked.unknown = joinWords(words);
        return picked;
    }
    for (std::size_t k = 1; k < words.size(); ++k) {
        std::span<const std::string> rest = words.subspan(k);
        if (rest.size() > 1 && rest.front() == "to")
            rest = rest.subspan(1);
        auto from = pickUnit(joinWords(words.first(k)), window);
        auto to = from ? pickUnit(joinWords(rest), window) : std::nullopt;
        if (from && to) {
            picked.from = std::move(from);
            picked.to = std::move(to);
            return picked;
        }
    }
    // Name the part that failed: what follows the longest known start, or
    // what precedes the longest known end.
    picked.unknown = joinWords(words);
    for (std::size_t k = words.size() - 1; k >= 1; --k) {
        std::span<const std::string> rest = words.subspan(k);
        if (rest.size() > 1 && rest.front() == "to")
            rest = rest.subspan(1);
        if (pickUnit(joinWords(words.first(k)), window)) {
            picked.unknown = joinWords(rest);
            return picked;
        }
    }
    for (std::size_t k = 1; k < words.size(); ++k) {
        if (pickUnit(joinWords(words.subspan(k)), window)) {
            std::size_t end = k;
            if (end > 1 && words[end - 1] == "to")
                --end;
            picked.unknown = joinWords(words.first(end));
            return picked;
        }
    }
    return picked;
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

// Options of the friendly forms.
struct Friendly {
    bool json = false;
    bool exact = false;
    int digits = kDefaultFriendlyDigits;
};

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

// A quantity (arithmetic, or amounts in units of one window added up) and
// the words naming its unit and the unit to convert into.
int convertQuantity(std::span<const std::string> words, const WindowEntry* window, const Friendly& opt,
                    std::ostream& out, std::ostream& err)
{
    const std::string text = joinWords(words);
    const QuantityReading reading = readQuantity(text);
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
    if (!last.from)
        return unknownUnit(err, last.unknown, window);
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
    if (last.to && last.to->window != from.window)
        return usageError(err,
                          quoted(from.typed) + " is a unit of " + from.window->cliName + " and " +
                              quoted(last.to->typed) + " of " + last.to->window->cliName +
                              "; they do not convert into each other");

    // Each amount is converted on its own and the results added up, in the
    // target unit when there is one, else in the first amount's table unit.
    UnitPick sumUnit = last.to ? *last.to : from;
    if (!last.to)
        sumUnit.multiply = sumUnit.divide = 1;
    // One window does it all: each conversion enters its amount afresh, so
    // none depends on the one before.
    Session session(*from.window, kDefaultCliAccuracy, opt.exact);
    ExactValue sum;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::optional<ExactValue> value = convertIn(session, units[i], terms[i].exact, sumUnit);
        if (!value) {
            err << "ambrel: " << quoted(text) << " refused: the result is " << describe(NumberError::TooLarge) << "\n";
            return kExitRefused;
        }
        sum = i == 0 ? *value : sum + *value;
    }
    const double total = sum.toDouble();
    if (!std::isfinite(total) || (total == 0 && !sum.isZero())) {
        err << "ambrel: " << quoted(text) << " refused: the result is "
            << describe(std::isfinite(total) ? NumberError::TooSmall : NumberError::TooLarge) << "\n";
        return kExitRefused;
    }
    const int index = session.controller->fieldIndex(sumUnit.outlet);
    if (terms.size() > 1 || !last.to) {
        // The window shows the sum (the table form prints every cell).
        applySetting(session, sumUnit.setting);
        ExactValue inRow = sum;
        if (sumUnit.multiply != 1)
            inRow = inRow * ExactValue::ofDouble(sumUnit.multiply);
        if (sumUnit.divide != 1)
            inRow = inRow / ExactValue::ofDouble(sumUnit.divide);
        carry(session, index, inRow);
    }
    if (!last.to) {
        if (opt.json)
            printJson(session, out, {}, opt.digits);
        else
            printTable(session, out, index, opt.digits);
    } else if (opt.json) {
        const bool scaled = sumUnit.multiply != 1 || sumUnit.divide != 1;
        out << "{\"window\":" << jsonString(from.window->cliName)
            << ",\"fields\":[{\"outlet\":" << jsonString(sumUnit.outlet)
            << ",\"unit\":" << jsonString(scaled ? sumUnit.typed : session.cell(index).title())
            << ",\"value\":" << jsonNumber(total) << ",\"shown\":" << jsonString(friendlyNumber(total, opt.digits))
            << "}]}\n";
    } else {
        out << friendlyNumber(total, opt.digits) << ' ' << last.to->typed << '\n';
    }
    return 0;
}

// Whether a word starts a quantity rather than a window or a command.
bool startsLikeQuantity(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.front() == '-' || text.front() == '+' || text.front() == '('))
        text.remove_prefix(1);
    if (text.substr(0, 3) == "\xE2\x88\x92")
        text.remove_prefix(3);
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front()));
}

bool parseDigits(std::string_view text, int& digits)
{
    return parseInt(text, digits) && digits >= 1 && digits <= kFullPrecisionDigits;
}

// ambrel [--json] [--digits N] [WINDOW] QUANTITY UNIT [TO-UNIT]
int runFriendly(std::span<const std::string> args, bool exact, std::ostream& out, std::ostream& err)
{
    Friendly opt;
    opt.exact = exact;
    std::vector<std::string> words;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options) {
            words.push_back(a);
        } else if (a == "--") {
            options = false;  // what follows is words, even "-5"
        } else if (a == "--json") {
            opt.json = true;
        } else if (a == "--exact") {
            opt.exact = true;
        } else if (a == "--digits" || a.rfind("--digits=", 0) == 0) {
            const bool joined = a.size() > 8;
            if ((!joined && ++i >= args.size()) ||
                !parseDigits(joined ? std::string_view(a).substr(9) : std::string_view(args[i]), opt.digits))
                return usageError(err, "--digits needs a whole number from 1 to 17");
        } else if (a.rfind("--", 0) == 0) {
            return usageError(err, "unknown option " + quoted(a));
        } else {
            words.push_back(a);
        }
    }
    if (words.empty())
        return usageError(err, "give a number and a unit, e.g. 'ambrel 3 mi km'");
    const std::span<const std::string> w = words;
    if (const WindowEntry* entry = findWindow(w[0])) {
        if (w.size() < 3)
            return usageError(err, "give a number and a unit, e.g. 'ambrel length 1 foot'");
        return convertQuantity(w.subspan(1), entry, opt, out, err);
    }
    if (startsLikeQuantity(w[0])) {
        if (w.size() < 2 && readAmount(w[0]).ok())
            return usageError(err, "give a unit after the number, e.g. 'ambrel 3 mi km'");
        return convertQuantity(w, nullptr, opt, out, err);
    }
    if (const UnitName* u = findUnit(w[0]))
        return usageError(err,
                          quoted(w[0]) + " is a unit of " + u->window + "; put the number first, e.g. 'ambrel 1 " +
                              w[0] + "'");
    return usageError(err, "unknown command or window " + quoted(w[0]));
}

// --- ambrel units [WINDOW] --------------------------------------------------

void listWindows(std::ostream& out)
{
    std::size_t width = 0;
    for (const WindowEntry& e : windowRegistry())
        width = std::max(width, std::strlen(e.cliName));
    for (const WindowEntry& e : windowRegistry()) {
        HeadlessPlatform platform;
        const auto controller = e.make(platform);
        std::size_t units = 0;
        for (const UnitName& u : unitNames())
            units += std::string_view(u.window) == e.cliName;
        out << "  " << e.cliName << std::string(width - std::strlen(e.cliName), ' ') << "  "
            << controller->plan().title;
        if (units)
            out << " (" << units << " units)";
        out << '\n';
    }
}

// A unit's definition as its table writes it, and what that comes to in the
// window's base unit: "ft / 12 = 0.0254 meter".
std::string exactDefinition(const ConverterWindow& converter, int row)
{
    const UnitRow& unit = converter.def().rows[row];
    const ExactSize& size = unit.exact;
    if (size.kind == ExactSize::Kind::None || !size.text)
        return "no exact size: kept as the classic formula";
    std::string text;
    if (unit.exactUnit)
        text = std::string(unit.exactUnit) + ": ";
    for (std::string_view rest = size.text; !rest.empty();) {
        const std::size_t mark = rest.find("_x");
        text += rest.substr(0, mark);
        rest.remove_prefix(mark == std::string_view::npos ? rest.size() : mark + 2);
    }
    if (!size.offset.isZero())
        return text;
    const char* base = converter.def().rows[converter.baseRowOf(row)].unit;
    const std::string number = formatExact(size.scale.toDouble());
    if (size.kind == ExactSize::Kind::Reciprocal)
        return text + " = " + number + " " + base + " divided by the value";
    return text + " = " + number + " " + base;
}

// The units of one window by box: name, other names and symbols, outlet;
// with `exact`, also each unit's exact definition. A window without unit
// names (a calculator) lists its fields.
void listUnits(const WindowEntry& entry, bool exact, std::ostream& out)
{
    struct Row {
        int box;
        std::string name, also, outlet, definition;
    };
    HeadlessPlatform platform;
    const auto controller = entry.make(platform);
    const WindowPlan& plan = controller->plan();
    const auto* converter = dynamic_cast<const ConverterWindow*>(controller.get());
    std::vector<Row> rows;
    for (const UnitName& u : unitNames()) {
        if (std::string_view(u.window) != entry.cliName)
            continue;
        std::string also;
        for (const char* list : {u.symbols, u.aliases})
            for (std::string_view rest = list; !rest.empty();) {
                const std::size_t bar = std::min(rest.find('|'), rest.size());
                also += (also.empty() ? "" : ", ") + std::string(rest.substr(0, bar));
                rest.remove_prefix(std::min(bar + 1, rest.size()));
            }
        const int index = controller->fieldIndex(u.outlet);
        std::string definition;
        if (exact && converter && index >= 0 && index < converter->rowCount())
            definition = exactDefinition(*converter, index);
        rows.push_back({index >= 0 ? plan.fields[index].box : -1, u.name, also, u.outlet, definition});
    }
    if (rows.empty())
        for (const FieldPlan& f : plan.fields)
            rows.push_back({f.box, f.label, "", f.outlet, ""});
    std::size_t nameWidth = 0, alsoWidth = 0, outletWidth = 0;
    for (const Row& r : rows) {
        nameWidth = std::max(nameWidth, displayWidth(r.name));
        alsoWidth = std::max(alsoWidth, displayWidth(r.also));
        outletWidth = std::max(outletWidth, displayWidth(r.outlet));
    }
    int lastBox = -2;
    for (const Row& r : rows) {
        if (r.box != lastBox) {
            if (lastBox != -2)
                out << '\n';
            if (r.box >= 0 && r.box < static_cast<int>(plan.boxes.size()))
                out << plan.boxes[r.box].title << '\n';
            lastBox = r.box;
        }
        out << "  " << padded(r.name, nameWidth) << "  " << padded(r.also, alsoWidth) << "  " << r.outlet;
        if (!r.definition.empty())
            out << padded("", outletWidth - displayWidth(r.outlet)) << "  " << r.definition;
        out << '\n';
    }
    // The window's choices, with the tags a script selects their items by.
    for (const ChoicePlan& choice : plan.choices) {
        out << '\n' << choice.title << " (" << choice.outlet << "=TAG)\n";
        std::size_t tagWidth = 0;
        for (const ChoiceItem& item : choice.items)
            tagWidth = std::max(tagWidth, std::to_string(item.tag).size());
        for (const ChoiceItem& item : choice.items) {
            const std::string tag = std::to_string(item.tag);
            out << "  " << std::string(tagWidth - tag.size(), ' ') << tag << "  " << item.title << '\n';
        }
    }
}

// Every name and symbol of the units (of one window, or of all), one a
// line, for the shell's completion.
void listNames(const WindowEntry* entry, std::ostream& out)
{
    for (const UnitName& u : unitNames()) {
        if (entry && std::string_view(u.window) != entry->cliName)
            continue;
        out << u.name << '\n';
        for (const char* list : {u.symbols, u.aliases})
            for (std::string_view rest = list ? list : ""; !rest.empty();) {
                const std::size_t bar = std::min(rest.find('|'), rest.size());
                out << rest.substr(0, bar) << '\n';
                rest.remove_prefix(std::min(bar + 1, rest.size()));
            }
    }
}

int runUnits(std::span<const std::string> all, bool exact, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args;
    bool names = false;
    for (const std::string& a : all) {
        if (a == "--exact")
            exact = true;
        else if (a == "--names")
            names = true;
        else if (a.rfind("--", 0) == 0)
            return usageError(err, "unknown option " + quoted(a));
        else
            args.push_back(a);
    }
    if (args.size() > 1)
        return usageError(err, "units takes at most one window");
    const WindowEntry* entry = args.empty() ? nullptr : findWindow(args[0]);
    if (names && (args.empty() || entry)) {
        listNames(entry, out);
        return 0;
    }
    if (args.empty()) {
        listWindows(out);
        return 0;
    }
    if (entry) {
        listUnits(*entry, exact, out);
        return 0;
    }
    if (const UnitName* u = findUnit(args[0]))
        return usageError(err,
                          quoted(args[0]) + " is a unit of " + u->window + ", not a window; try 'ambrel units " +
                              u->window + "'");
    return usageError(err, "unknown window " + quoted(args[0]) + "; windows: " + windowNames());
}

}  // namespace

bool exactFromEnvironment()
{
    const char* value = std::getenv("AMBREL_EXACT");
    return value && std::string_view(value) == "1";
}

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const bool exact = exactFromEnvironment();
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << "ambrel " << AMBREL_VERSION << '\n';
        return 0;
    }
    if (args[0] == "run")
        return runScript(args.subspan(1), exact, out, err);
    if (args[0] == "units")
        return runUnits(args.subspan(1), exact, out, err);
    return runFriendly(args, exact, out, err);
}

}  // namespace ambrel
