#include "cli/cli.h"

#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
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
           "  ambrel                          start the desktop program\n"
           "  ambrel WINDOW NUMBER UNIT       convert NUMBER UNIT into every unit of WINDOW\n"
           "                                  e.g. ambrel length 1 foot\n"
           "  ambrel run [--accuracy D] [--tsv] WINDOW STEP...\n"
           "                                  run a window as a script\n"
           "  ambrel --help                   show this text\n"
           "\n"
           "Script steps, applied in order:\n"
           "  OUTLET=TEXT   type TEXT into the field OUTLET and press Enter; for a choice\n"
           "                (radio buttons or pop-up), select the item with tag TEXT\n"
           "  Selector:     send an action to the window, e.g. Calc:\n"
           "\n"
           "After the last step every field is printed in the window's order. With --tsv\n"
           "each line is OUTLET, the stored number (which reads back exactly) and the\n"
           "text the window shows, separated by tabs. D is the number of decimals shown\n"
           "(default "
        << kDefaultCliAccuracy
        << ").\n"
           "\n"
           "Windows: "
        << windowNames()
        << "\n"
           "\n"
           "Exit status: 0 done; 2 an entry was refused; 64 bad usage.\n";
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

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Whether `typed` (lower case) names the unit of `field`: its label, a plural
// of it, or its outlet name.
bool namesUnit(const FieldSpec& field, const std::string& typed)
{
    std::string label = lower(field.label);
    if (!label.empty() && label.back() == ':')  // cell titles such as "kibibyte:"
        label.pop_back();
    if (typed == label || typed == label + "s" || typed == label + "es" || typed == lower(field.outlet))
        return true;
    const std::size_t foot = label.find("foot");
    return foot != std::string::npos && typed == label.substr(0, foot) + "feet" + label.substr(foot + 4);
}

// A window on the headless platform, opened the way the menu opens it.
struct Session {
    HeadlessPlatform platform;
    std::unique_ptr<WindowController> controller;

    Session(const WindowEntry& entry, int accuracy) : controller(entry.make(platform))
    {
        if (entry.takesAccuracy)
            if (auto* converter = dynamic_cast<ConverterWindow*>(controller.get()))
                converter->accuracyChange(accuracy);
        controller->perform(entry.openAction);
    }

    HeadlessField& cell(int index) { return static_cast<HeadlessField&>(*controller->parts().fields[index]); }
};

enum class StepResult { Done, Refused, Unknown };

StepResult typeInto(Session& s, int index, std::string_view text, std::ostream& err)
{
    const EntryResult result = typeAndConfirm(s.platform, *s.controller, index, text);
    if (!result.accepted) {
        err << "ambrel: " << s.controller->spec().fields[index].outlet << ": \"" << text
            << "\" refused: " << result.message << "\n";
        return StepResult::Refused;
    }
    return StepResult::Done;
}

StepResult choose(Session& s, std::size_t index, std::string_view text, std::ostream& err)
{
    const ChoiceSpec& spec = s.controller->spec().choices[index];
    int tag = 0;
    if (!parseInt(text, tag)) {
        err << "ambrel: " << spec.outlet << ": \"" << text << "\" is not an item tag\n";
        return StepResult::Unknown;
    }
    s.controller->parts().choices[index]->selectItemWithTag(tag);
    if (!spec.action.empty())
        s.controller->perform(spec.action);
    return StepResult::Done;
}

StepResult runStep(Session& s, std::string_view step, std::ostream& err)
{
    const std::size_t eq = step.find('=');
    if (eq == std::string_view::npos) {
        if (step.empty() || step.back() != ':' || !s.controller->perform(step)) {
            err << "ambrel: unknown action '" << step << "'\n";
            return StepResult::Unknown;
        }
        return StepResult::Done;
    }
    const std::string_view outlet = step.substr(0, eq);
    const std::string_view text = step.substr(eq + 1);
    const int index = s.controller->fieldIndex(outlet);
    if (index >= 0)
        return typeInto(s, index, text, err);
    const auto& choices = s.controller->spec().choices;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].outlet == outlet)
            return choose(s, i, text, err);
    err << "ambrel: no field or control named '" << outlet << "'\n";
    return StepResult::Unknown;
}

void printTsv(Session& s, std::ostream& out)
{
    const auto& fields = s.controller->spec().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        HeadlessField& cell = s.cell(static_cast<int>(i));
        out << fields[i].outlet << '\t' << cell.stringValue() << '\t' << cell.shown() << '\n';
    }
}

// The friendly table shows twelve significant digits, so a tiny value is
// never shown as a bare zero.
std::string friendlyNumber(HeadlessField& cell)
{
    const double value = cell.doubleValue();
    if (cell.isText() || !std::isfinite(value))
        return cell.shown();
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 12);
    return std::string(buf, res.ptr);
}

void printTable(Session& s, std::ostream& out, int highlighted = -1, bool friendly = false)
{
    const auto& spec = s.controller->spec();
    std::size_t labelWidth = 0, valueWidth = 0;
    for (std::size_t i = 0; i < spec.fields.size(); ++i) {
        labelWidth = std::max(labelWidth, spec.fields[i].label.size());
        HeadlessField& cell = s.cell(static_cast<int>(i));
        valueWidth = std::max(valueWidth, (friendly ? friendlyNumber(cell) : cell.shown()).size());
    }
    int lastBox = -1;
    for (std::size_t i = 0; i < spec.fields.size(); ++i) {
        const FieldSpec& f = spec.fields[i];
        if (f.box != lastBox && f.box >= 0 && f.box < static_cast<int>(spec.boxes.size())) {
            if (lastBox != -1)
                out << '\n';
            out << spec.boxes[f.box].title << '\n';
            lastBox = f.box;
        }
        HeadlessField& cell = s.cell(static_cast<int>(i));
        const std::string shown = friendly ? friendlyNumber(cell) : cell.shown();
        out << "  " << std::string(valueWidth - shown.size(), ' ') << shown << "  " << f.label;
        if (static_cast<int>(i) == highlighted)
            out << std::string(labelWidth - f.label.size(), ' ') << "  <-";
        out << '\n';
    }
}

int runScript(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    int accuracy = kDefaultCliAccuracy;
    bool tsv = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--tsv") {
            tsv = true;
        } else if (a == "--accuracy") {
            if (i + 1 >= args.size() || !parseInt(args[i + 1], accuracy))
                return usageError(err, "--accuracy needs a whole number");
            ++i;
        } else if (a.rfind("--accuracy=", 0) == 0) {
            if (!parseInt(std::string_view(a).substr(11), accuracy))
                return usageError(err, "--accuracy needs a whole number");
        } else if (a.rfind("--", 0) == 0) {
            return usageError(err, "unknown option '" + a + "'");
        } else {
            break;
        }
    }
    if (i >= args.size())
        return usageError(err, "run needs a window: " + windowNames());
    const WindowEntry* entry = findWindow(args[i]);
    if (!entry)
        return usageError(err, "unknown window '" + args[i] + "'; windows: " + windowNames());

    Session session(*entry, accuracy);
    for (++i; i < args.size(); ++i) {
        switch (runStep(session, args[i], err)) {
        case StepResult::Done: break;
        case StepResult::Refused: return kExitRefused;
        case StepResult::Unknown:
            err << "Try 'ambrel --help' for more information.\n";
            return kExitUsage;
        }
    }
    if (tsv)
        printTsv(session, out);
    else
        printTable(session, out);
    return 0;
}

// ambrel WINDOW NUMBER UNIT
int runFriendly(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const WindowEntry* entry = findWindow(args[0]);
    if (!entry)
        return usageError(err, "unknown window '" + args[0] + "'; windows: " + windowNames());
    if (args.size() < 3)
        return usageError(err, "give a number and a unit, e.g. 'ambrel length 1 foot'");
    Session session(*entry, kDefaultCliAccuracy);
    std::string unit;
    for (std::size_t i = 2; i < args.size(); ++i)
        unit += (unit.empty() ? "" : " ") + lower(args[i]);
    const auto& fields = session.controller->spec().fields;
    int index = -1;
    for (std::size_t i = 0; i < fields.size() && index < 0; ++i)
        if (namesUnit(fields[i], unit))
            index = static_cast<int>(i);
    if (index < 0) {
        err << "ambrel: " << entry->cliName << " has no unit '" << unit << "'; units:";
        for (const FieldSpec& f : fields)
            err << (&f == &fields.front() ? " " : ", ") << f.label;
        err << "\n";
        return kExitUsage;
    }
    switch (typeInto(session, index, args[1], err)) {
    case StepResult::Done: break;
    case StepResult::Refused: return kExitRefused;
    case StepResult::Unknown: return kExitUsage;
    }
    printTable(session, out, index, true);
    return 0;
}

}  // namespace

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(out);
        return 0;
    }
    if (args[0] == "run")
        return runScript(args.subspan(1), out, err);
    if (findWindow(args[0]))
        return runFriendly(args, out, err);
    return usageError(err, "unknown command or window '" + args[0] + "'");
}

}  // namespace ambrel
