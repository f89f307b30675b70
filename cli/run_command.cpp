// SPDX-License-Identifier: GPL-3.0-or-later
// ambrel run: a window driven step by step, as a script drives it.
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/safe_text.h"
#include "cli/session.h"
#include "cli/window_output.h"
#include "framework/entry.h"

#include <algorithm>
#include <ostream>

namespace ambrel {

namespace {

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
}  // namespace

int runScript(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    CommonOptions opt;
    int accuracy = kDefaultCliAccuracy;
    bool tsv = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (const OptionRead read = readCommonOption(args, i, opt); read != OptionRead::Other) {
            if (read == OptionRead::Bad)
                return usageError(err, kDigitsNeeded);
        } else if (a == "--tsv") {
            tsv = true;
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
    const bool json = opt.json;
    if (opt.digitsGiven)
        return usageError(err, "--digits is for the converting forms; run shows --accuracy D decimals");
    if (tsv && json)
        return usageError(err, "choose one of --tsv and --json");
    if (i >= args.size())
        return usageError(err, "run needs a window: " + windowNames());
    const WindowEntry* entry = findWindow(args[i]);
    if (!entry)
        return usageError(err, "unknown window " + quoted(args[i]) + "; windows: " + windowNames());

    Session session(*entry, accuracy, opt.exact);
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
    // What the window's note line would say, kept off the printed fields.
    if (const std::string& note = session.controller->calculationNote(); !note.empty())
        err << "ambrel: note: " << note << "\n";
    return 0;
}

}  // namespace ambrel
