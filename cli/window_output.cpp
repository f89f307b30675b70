// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_output.h"

#include "cli/json.h"
#include "cli/safe_text.h"
#include "framework/number_text.h"
#include "framework/separate_boxes_window.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

namespace ambrel {

std::string friendlyNumber(double value, int digits)
{
    if (!std::isfinite(value))
        return formatShown(value, 0);
    char buf[64];
    // At full precision, the shortest text that reads back as the value: 17
    // digits of 3e-05 would be 3.0000000000000001e-05, which is the same
    // double and only looks like noise.
    const auto res = digits >= kFullPrecisionDigits
        ? std::to_chars(buf, buf + sizeof buf, value)
        : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return std::string(buf, res.ptr);
}

std::string friendlyNumber(HeadlessField& cell, int digits)
{
    return cell.isText() ? cell.shown() : friendlyNumber(cell.doubleValue(), digits);
}

void printTable(Session& s, std::ostream& out, int highlighted, int friendly)
{
    const auto& plan = s.controller->plan();
    // Where each box is a quantity of its own, the others' boxes say nothing
    // of the one entered.
    const int onlyBox =
        highlighted >= 0 && dynamic_cast<SeparateBoxesWindow*>(s.controller.get()) ? plan.fields[highlighted].box : -1;
    const auto shown = [&](std::size_t i) { return onlyBox < 0 || plan.fields[i].box == onlyBox; };
    std::size_t labelWidth = 0, valueWidth = 0;
    for (std::size_t i = 0; i < plan.fields.size(); ++i) {
        if (!shown(i))
            continue;
        HeadlessField& cell = s.cell(static_cast<int>(i));
        labelWidth = std::max(labelWidth, displayWidth(cell.title()));
        valueWidth = std::max(valueWidth, (friendly ? friendlyNumber(cell, friendly) : cell.shown()).size());
    }
    int lastBox = -1;
    for (std::size_t i = 0; i < plan.fields.size(); ++i) {
        if (!shown(i))
            continue;
        const FieldPlan& f = plan.fields[i];
        if (f.box != lastBox && f.box >= 0 && f.box < static_cast<int>(plan.boxes.size())) {
            if (lastBox != -1)
                out << '\n';
            out << plan.boxes[f.box].title << '\n';
            lastBox = f.box;
        }
        HeadlessField& cell = s.cell(static_cast<int>(i));
        const std::string number = friendly ? friendlyNumber(cell, friendly) : cell.shown();
        const std::string label = cell.title();
        out << "  " << std::string(valueWidth - number.size(), ' ') << number << "  " << label;
        if (static_cast<int>(i) == highlighted)
            out << std::string(labelWidth - displayWidth(label), ' ') << "  <-";
        out << '\n';
    }
}

void printJson(Session& s, std::ostream& out, std::vector<int> indices, int friendly)
{
    if (indices.empty())
        for (std::size_t i = 0; i < s.controller->plan().fields.size(); ++i)
            indices.push_back(static_cast<int>(i));
    out << "{\"window\":" << jsonString(s.entry.cliName) << ",\"fields\":[";
    for (std::size_t n = 0; n < indices.size(); ++n) {
        HeadlessField& cell = s.cell(indices[n]);
        out << (n ? "," : "")
            << jsonField(s.controller->plan().fields[indices[n]].outlet, cell.title(),
                         cell.isText() ? jsonString(cell.stringValue()) : jsonNumber(cell.doubleValue()),
                         friendly ? friendlyNumber(cell, friendly) : cell.shown());
    }
    out << "]}\n";
}

}  // namespace ambrel
