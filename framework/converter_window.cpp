// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/converter_window.h"

#include "framework/exact_conversions.h"
#include "framework/translatable.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace ambrel {

WindowPlan ConverterWindow::makePlan(const ConverterDef& def, WindowPlan extra)
{
    WindowPlan plan;
    plan.outlet = def.windowOutlet;
    plan.title = def.title;
    for (const BoxDef& box : def.boxes)
        plan.boxes.push_back({box.outlet, box.title, box.action});
    int previousBox = -1;
    int tag = 0;
    for (const UnitRow& row : def.rows) {
        tag = row.box == previousBox ? tag + 1 : 0;
        previousBox = row.box;
        plan.fields.push_back({row.outlet, row.unit, row.box, tag});
    }
    const int tableBoxes = static_cast<int>(plan.boxes.size());
    for (BoxPlan& box : extra.boxes)
        plan.boxes.push_back(std::move(box));
    for (FieldPlan& field : extra.fields) {
        if (field.box >= 0)
            field.box += tableBoxes;
        plan.fields.push_back(std::move(field));
    }
    plan.choices = std::move(extra.choices);
    plan.addNotebookButton(def.notebookAction);
    for (ButtonPlan& button : extra.buttons)
        plan.buttons.push_back(std::move(button));
    return plan;
}

ConverterWindow::ConverterWindow(Platform& platform, const ConverterDef& def)
    : ConverterWindow(platform, def, WindowPlan{})
{}

ConverterWindow::ConverterWindow(Platform& platform, const ConverterDef& def, WindowPlan extra)
    : WindowController(platform, makePlan(def, std::move(extra))), def_(def), rows_(def.rows)
{
    const int boxes = boxCount();
    boxFirst_.assign(boxes + 1, 0);
    for (int r = 0, box = 0; box <= boxes; ++box) {
        while (r < rowCount() && def_.rows[r].box < box)
            ++r;
        boxFirst_[box] = r;
    }
    baseOfRow_.resize(def_.rows.size());
    for (int r = 0; r < rowCount(); ++r) {
        const char* base = def_.boxes[def_.rows[r].box].base;
        const int b = fieldIndex(base);
        if (b < 0)
            throw std::logic_error(std::string("no base field ") + base);
        baseOfRow_[r] = b;
    }

    lastTags_.assign(boxes, -1);
    lastValues_.assign(boxes, 0);
    lastExact_.assign(boxes, ExactValue());
    for (int box = 0; box < boxes; ++box)
        addAction(def_.boxes[box].action, [this, box] { boxAction(box); });
    addAction(def_.identity.openAction, [this] { open(); });
    addAction(def_.notebookAction, [this] { showNotebook(); });
}

int ConverterWindow::editedRow(int boxNumber)
{
    if (boxNumber < 0 || boxNumber >= boxCount())
        return -1;
    const int tag = boxAt(boxNumber).selectedTag();
    if (tag < 0 || tag >= boxRowCount(boxNumber))
        return -1;
    return boxFirstRow(boxNumber) + tag;
}

void ConverterWindow::calc(int boxNumber)
{
    setCalculationNote({});
    sizedEntry_ = -1;
    if (const int edited = editedRow(boxNumber); edited >= 0) {
        lastBox_ = boxNumber;
        lastTags_[boxNumber] = edited - boxFirstRow(boxNumber);
        lastValues_[boxNumber] = read(edited);
        lastExact_[boxNumber] = heldValue(edited);
    }
    if (exactDefinitions() || !hasClassicFactors(rows_))
        convertExact(boxNumber);
    else
        convert(boxNumber);
}

void ConverterWindow::boxAction(int boxNumber)
{
    Box& box = boxAt(boxNumber);
    const int tag = box.selectedTag();
    calc(boxNumber);
    box.selectCellWithTag(tag);
}

bool ConverterWindow::convertsBySize(int row) const
{
    return ambrel::convertsBySize(rows_[row], def_.boxes[rows_[row].box].base);
}

void ConverterWindow::writeBaseFrom(int row)
{
    sizedEntry_ = -1;
    if (convertsBySize(row)) {
        writeExact(row, baseRowOf(row));
        // The other rows without formulas follow the entry itself, not its
        // rounded base.
        sizedEntry_ = row;
        return;
    }
    const double value = read(row);
    write(baseRowOf(row), rows_[row].into.apply(value));
}

void ConverterWindow::writeFromBase(int row)
{
    if (convertsBySize(row)) {
        const bool sameBase = sizedEntry_ >= 0 && baseRowOf(sizedEntry_) == baseRowOf(row);
        writeExact(sameBase ? sizedEntry_ : baseRowOf(row), row);
        return;
    }
    write(row, rows_[row].out.apply(read(baseRowOf(row))));
}

void ConverterWindow::useTable(std::span<const UnitRow> rows)
{
    if (rows.size() != def_.rows.size())
        throw std::logic_error("a unit table of another shape");
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].box != def_.rows[r].box || std::strcmp(rows[r].outlet, def_.rows[r].outlet) != 0)
            throw std::logic_error(std::string("a unit table of another shape at ") + rows[r].outlet);
    if (rows.data() != rows_.data())
        conversions_ = nullptr;
    rows_ = rows;
}

const ExactConversions& ConverterWindow::conversions()
{
    if (!conversions_)
        conversions_ = &exactConversions(rows_);
    return *conversions_;
}

void ConverterWindow::writeRange(int first, int last, int edited)
{
    for (int row = first; row < last; ++row)
        if (row != edited && !isBaseRow(row))
            writeFromBase(row);
}

void ConverterWindow::convert(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (edited >= 0 && !isBaseRow(edited))
        writeBaseFrom(edited);
    writeRange(0, rowCount(), edited);
}

void ConverterWindow::writeExact(int from, int row)
{
    const ExactConversions& exact = conversions();
    const double held = read(from);
    // A cell can hold infinity after an overflow: it carries over as it
    // would through the factors.
    write(row,
          std::isfinite(held) ? exact.convert(from, row, heldValue(from)) : exact.convertNonFinite(from, row, held));
}

void ConverterWindow::writeExactRange(int first, int last, int edited, int from)
{
    if (from < 0) {
        for (int row = first; row < last; ++row)
            if (row != edited && !isBaseRow(row))
                writeExact(baseRowOf(row), row);
        return;
    }
    // One source for every row: read once, as no row written is the source.
    const double held = read(from);
    if (!std::isfinite(held)) {
        for (int row = first; row < last; ++row)
            if (row != edited && row != from && !isBaseRow(row))
                write(row, conversions().convertNonFinite(from, row, held));
        return;
    }
    const ExactValue value = heldValue(from);
    const ExactConversions& exact = conversions();
    for (int row = first; row < last; ++row)
        if (row != edited && row != from && !isBaseRow(row))
            write(row, exact.convert(from, row, value));
}

void ConverterWindow::convertExactWithin(int edited, int first, int last)
{
    if (edited < 0 || isBaseRow(edited)) {
        writeExactRange(first, last, edited, -1);
        return;
    }
    writeExact(edited, baseRowOf(edited));
    writeExactRange(first, last, edited, edited);
}

void ConverterWindow::convertExact(int boxNumber)
{
    convertExactWithin(editedRow(boxNumber), 0, rowCount());
}

void ConverterWindow::setExactDefinitions(bool on)
{
    if (on == exactDefinitions())
        return;
    WindowController::setExactDefinitions(on);
    repeatEntries();
}

void ConverterWindow::showTableSet()
{
    WindowController::showTableSet();
    for (int row = 0; row < rowCount(); ++row)
        if (const char* label = def_.rows[row].exactUnit)
            fieldAt(row).setTitle(exactDefinitions() ? label : def_.rows[row].unit);
}

void ConverterWindow::repeatEntry(int box)
{
    if (box < 0 || box >= boxCount() || lastTags_[box] < 0)
        return;
    const int tag = lastTags_[box];
    write(boxFirstRow(box) + tag, lastValues_[box]);
    if (std::isfinite(lastValues_[box]))
        noteTypedValue(boxFirstRow(box) + tag, lastExact_[box]);
    Box& b = boxAt(box);
    const int selected = b.selectedTag();
    b.selectCellWithTag(tag);
    calc(box);
    b.selectCellWithTag(selected);
}

void ConverterWindow::repeatEntries()
{
    repeatEntry(lastBox_);
}

void ConverterWindow::accuracyChange(int digits)
{
    for (Field* f : parts().fields)
        f->setFloatingPointFormat(false, 0, digits);
}

void ConverterWindow::open()
{
    openWindow(def_.openBox, def_.openTag);
}

void ConverterWindow::showNotebook()
{
    showNotebookDocument(def_.notebook);
}

namespace {

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Whether `list` ('|' between its parts) holds `typed`, compared by `same`.
template <class Same>
bool listHolds(std::string_view list, Same same)
{
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t bar = std::min(list.find('|', start), list.size());
        if (bar > start && same(list.substr(start, bar - start)))
            return true;
        start = bar + 1;
    }
    return false;
}

// A cell takes the plain forms of its window's names: a symbol as written,
// a name or alias in any case, with "s" or "es" for the plural.
bool namesRow(const UnitRow& row, std::string_view typed)
{
    const std::string t = lowerAscii(typed);
    const auto sameName = [&](std::string_view name) {
        const std::string n = lowerAscii(name);
        return t == n || t == n + "s" || t == n + "es";
    };
    return listHolds(row.symbols, [&](std::string_view s) { return s == typed; }) || sameName(row.unit) ||
        listHolds(row.aliases, sameName) || t == lowerAscii(row.outlet);
}

}  // namespace

std::optional<ExactValue> ConverterWindow::amountIn(int fieldIndex, std::string_view unit, const ExactValue& amount)
{
    SpeltUnit spelt;
    if (speller_)
        spelt = speller_(def_, unit);
    // The table in use also knows the units of the window's present setting
    // (GiB under binary prefixes), which the speller leaves to the setting.
    if (spelt.row < 0 && spelt.choices.empty())
        for (int row = 0; row < rowCount() && spelt.row < 0; ++row)
            if (namesRow(rows_[row], unit))
                spelt.row = row;
    const int from = spelt.row;
    if (from < 0 || from >= rowCount() || fieldIndex < 0 || fieldIndex >= rowCount() ||
        baseRowOf(from) != baseRowOf(fieldIndex))
        return std::nullopt;
    ExactValue inRow = amount;
    if (spelt.multiply != 1)
        inRow = inRow * ExactValue::ofDouble(spelt.multiply);
    if (spelt.divide != 1)
        inRow = inRow / ExactValue::ofDouble(spelt.divide);
    if (from == fieldIndex)
        return inRow;
    if (conversions().hasSize(from) && conversions().hasSize(fieldIndex))
        return conversions().convertExactly(from, fieldIndex, inRow);
    // A unit that is no scale (the warp factor) goes by its formulas.
    const double base = isBaseRow(from) ? inRow.toDouble() : rows_[from].into.apply(inRow.toDouble());
    const double value = isBaseRow(fieldIndex) ? base : rows_[fieldIndex].out.apply(base);
    if (!std::isfinite(value))
        return std::nullopt;
    return ExactValue::ofDouble(value);
}

namespace {

// "'mw' could be MW (megawatt) or mW (milliwatt)": a list is built from its
// first item on, the last joined with "or".
constexpr const char* kCouldBe = AMBREL_TEXT("'%1' could be %2");
constexpr const char* kListItem = AMBREL_TEXT("%1, %2");
constexpr const char* kLastOfList = AMBREL_TEXT("%1 or %2");

}  // namespace

std::string ConverterWindow::unitRefusal(std::string_view unit)
{
    const std::vector<std::string> choices = speller_ ? speller_(def_, unit).choices : std::vector<std::string>();
    if (choices.empty())
        return WindowController::unitRefusal(unit);
    std::string list = choices.front();
    for (std::size_t i = 1; i < choices.size(); ++i)
        list = fillText(localText(i + 1 == choices.size() ? kLastOfList : kListItem), {list, choices[i]});
    return fillText(localText(kCouldBe), {unit, list});
}

std::optional<double> ConverterWindow::convertedValue(int from, int to, const ExactValue& amount)
{
    if (from < 0 || from >= rowCount() || to < 0 || to >= rowCount() || baseRowOf(from) != baseRowOf(to))
        return std::nullopt;
    if (from == to)
        return amount.toDouble();
    if (exactDefinitions() || !hasClassicFactors(rows_))
        return conversions().convert(from, to, amount);
    // Straight between the base and rows without formulas, as convert()
    // writes them; otherwise through the base, each step by the row's formula
    // or by its size.
    if ((isBaseRow(from) || convertsBySize(from)) && (isBaseRow(to) || convertsBySize(to)))
        return conversions().convert(from, to, amount);
    const int baseRow = baseRowOf(from);
    const double base = isBaseRow(from) ? amount.toDouble()
        : convertsBySize(from)          ? conversions().convert(from, baseRow, amount)
                                        : rows_[from].into.apply(amount.toDouble());
    if (isBaseRow(to))
        return base;
    if (!convertsBySize(to))
        return rows_[to].out.apply(base);
    return std::isfinite(base) ? conversions().convert(baseRow, to, ExactValue::ofDouble(base))
                               : conversions().convertNonFinite(baseRow, to, base);
}

}  // namespace ambrel
