// SPDX-License-Identifier: GPL-3.0-or-later
// ambrel units: the windows, a window's units and choices, or every name.
#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/safe_text.h"
#include "framework/converter_window.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <algorithm>
#include <cctype>
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
    std::size_t converters = 0, total = 0;
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
        converters += units != 0;
        total += units;
    }
    out << total << " units in " << converters << " converter windows\n";
}

// A definition as the table's code writes it, made readable: π for the
// code's call, and numbers without the suffix that makes them exact
// ("0.45359237_x" is 0.45359237).
std::string readableDefinition(std::string_view code)
{
    static constexpr std::string_view kPi = "ExactNumber::pi()", kNumbers = "ExactNumber::";
    std::string text;
    while (!code.empty()) {
        if (code.starts_with(kPi)) {
            text += "π";
            code.remove_prefix(kPi.size());
        } else if (code.starts_with(kNumbers)) {
            code.remove_prefix(kNumbers.size());
        } else if (code.starts_with("_x") && !text.empty() &&
                   (std::isdigit(static_cast<unsigned char>(text.back())) || text.back() == '.')) {
            code.remove_prefix(2);
        } else {
            text += code.front();
            code.remove_prefix(1);
        }
    }
    return text;
}

// A unit's definition as its table writes it, and what that comes to in the
// window's base unit: "ft / 12 = 0.0254 meter".
std::string exactDefinition(const ConverterWindow& converter, int row)
{
    const UnitRow& unit = converter.def().rows[row];
    const ExactSize& size = unit.exact;
    if (size.kind == ExactSize::Kind::None || !size.text)
        return "no exact size: kept as the classic formula";
    std::string text = unit.exactUnit ? std::string(unit.exactUnit) + ": " : std::string();
    text += readableDefinition(size.text);
    // The document the size is from, where the row names one.
    const std::string source = unit.source ? std::string(" (") + unit.source + ")" : std::string();
    if (!size.offset.isZero())
        return text + source;
    const char* base = converter.def().rows[converter.baseRowOf(row)].unit;
    const std::string number = formatExact(size.scale.toDouble());
    if (size.kind == ExactSize::Kind::Reciprocal)
        return text + " = " + number + " " + base + " divided by the value" + source;
    return text + " = " + number + " " + base + source;
}

// The units of one window by box: name, other names and symbols, outlet;
// under exact definitions, also each unit's definition (the classic tables
// keep their factors in the windows' notebooks). A window without unit
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

int runUnits(std::span<const std::string> all, std::ostream& out, std::ostream& err)
{
    CommonOptions opt;
    std::vector<std::string> args;
    bool names = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string& a = all[i];
        if (const OptionRead read = readCommonOption(all, i, opt); read != OptionRead::Other) {
            if (opt.json)
                return usageError(err, "units has no JSON output; --json is for run, batch and the converting forms");
            if (opt.digitsGiven)
                return usageError(err, "--digits is for the converting forms, not for units");
        } else if (a == "--names") {
            names = true;
        } else if (a.rfind("--", 0) == 0) {
            return usageError(err, "unknown option " + quoted(a));
        } else {
            args.push_back(a);
        }
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
        listUnits(*entry, opt.exact, out);
        return 0;
    }
    if (const UnitName* u = findUnit(args[0]))
        return usageError(err,
                          quoted(args[0]) + " is a unit of " + u->window + ", not a window; try 'ambrel units " +
                              u->window + "'");
    return usageError(err, "unknown window " + quoted(args[0]) + "; windows: " + windowNames());
}

}  // namespace ambrel
