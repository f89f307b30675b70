// SPDX-License-Identifier: GPL-3.0-or-later
// The friendly forms: ambrel [WINDOW] QUANTITY UNIT [TO-UNIT].
#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/conversion.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/safe_text.h"
#include "cli/window_output.h"
#include "framework/number_text.h"
#include "framework/quantity_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <ostream>
#include <vector>

namespace ambrel {

namespace {

// An answer in several units as JSON: the answer as shown, and a field a
// part, each signed so that the parts add up to the quantity.
std::string mixedJson(const Conversion& c, const std::string& answer, int digits)
{
    const std::optional<MixedAmount> amount = splitAmount(c.exactTotal, c.sizes, {digits, true});
    std::string fields;
    for (std::size_t i = 0; amount && i <= c.parts.size(); ++i) {
        const UnitPick& unit = i < c.parts.size() ? c.parts[i] : *c.target;
        const double value = i < c.parts.size() ? amount->wholes[i].toDouble() : amount->rest.toDouble();
        const double signedValue = amount->negative && value != 0 ? -value : value;
        fields += (i ? "," : "") +
            jsonField(unit.outlet, unit.typed, jsonNumber(signedValue), friendlyNumber(signedValue, digits));
    }
    return "{\"window\":" + jsonString(c.from.window->cliName) + ",\"shown\":" + jsonString(answer) + ",\"fields\":[" +
        fields + "]}\n";
}

// Converts and prints the quantity in `words`: the result in the target
// unit, or the window's table when no target is named.
int convertQuantity(std::span<const std::string> words, const WindowEntry* window, const CommonOptions& opt,
                    std::ostream& out, std::ostream& err)
{
    Conversion c;
    if (const int status = readConversion(words, window, opt.exact, c, err); status != 0)
        return status;
    Session& session = *c.session;
    if (!c.parts.empty()) {
        const std::string answer =
            mixedAnswer(c, {opt.digits, true}, [&](double rest) { return friendlyNumber(rest, opt.digits); });
        if (opt.json)
            out << mixedJson(c, answer, opt.digits);
        else
            out << answer << '\n';
    } else if (!c.target) {
        if (opt.json)
            printJson(session, out, {}, opt.digits);
        else
            printTable(session, out, c.index, opt.digits);
    } else if (opt.json) {
        const bool scaled = c.target->multiply != 1 || c.target->divide != 1;
        out << "{\"window\":" << jsonString(c.from.window->cliName) << ",\"fields\":["
            << jsonField(c.target->outlet, scaled ? c.target->typed : session.cell(c.index).title(),
                         jsonNumber(c.total), friendlyNumber(c.total, opt.digits))
            << "]}\n";
    } else {
        out << friendlyNumber(c.total, opt.digits) << ' ' << c.target->typed << '\n';
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

}  // namespace

// ambrel [--json] [--digits N] [WINDOW] QUANTITY UNIT [TO-UNIT]
int runFriendly(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    CommonOptions opt;
    std::vector<std::string> words;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options) {
            words.push_back(a);
        } else if (a == "--") {
            options = false;  // what follows is words, even "-5"
        } else if (const OptionRead read = readCommonOption(args, i, opt); read != OptionRead::Other) {
            if (read == OptionRead::Bad)
                return usageError(err, kDigitsNeeded);
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

}  // namespace ambrel
