// SPDX-License-Identifier: GPL-3.0-or-later
// ambrel units: the windows, a window's units and choices, or every name.
#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/commands.h"
#include "cli/safe_text.h"
#include "framework/converter_window.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <vector>

namespace ambrel {

namespace {

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

}  // namespace

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

}  // namespace ambrel
