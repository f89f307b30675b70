// SPDX-License-Identifier: GPL-3.0-or-later
// The converter window model, written once for every converter: per-box
// actions, Calc with a box number, the accuracy, opening and the notebook.
// A window that departs from the model overrides calc() and uses the
// helpers below rather than repeating the procedure.
#pragma once

#include "framework/converter_def.h"
#include "framework/window_controller.h"

#include <string>
#include <vector>

namespace ambrel {
class ExactConversions;

class ConverterWindow : public WindowController {
public:
    ConverterWindow(Platform& platform, const ConverterDef& def);
    // A window with parts beyond its unit table (choices, boxes of text
    // cells, buttons) that its controller drives itself. They come after the
    // table's parts; a field's box counts within `extra.boxes`.
    ConverterWindow(Platform& platform, const ConverterDef& def, WindowPlan extra);

    const ConverterDef& def() const { return def_; }

    // Converts after an edit in box `boxNumber` (any int; one that names no
    // box means no field counts as edited).
    void calc(int boxNumber);
    // The per-box action: keep the box's selection across the conversion.
    void boxAction(int boxNumber);
    virtual void accuracyChange(int digits);
    void open();
    virtual void showNotebook();
    // Relabels the units that read differently under exact definitions and
    // converts the last entry again with the other set.
    void setExactDefinitions(bool on) override;

    // A unit of the same base as cell `fieldIndex`, as the speller reads
    // its name (or, without one, by its symbol, its name in any case with a
    // plural "s", or its outlet), converted as the table set in use
    // converts it.
    // Amounts of a sum meet exactly, in either table set: 5 ft 3 in is
    // 5.25 ft.
    std::optional<ExactValue> amountIn(int fieldIndex, std::string_view unit, const ExactValue& amount) override;
    // The table's conversion between two cells of one base, as convert()
    // and convertExact() write it. A window whose cells depend on more than
    // that overrides this to answer none.
    std::optional<double> convertedValue(int from, int to, const ExactValue& amount) override;
    std::string unitRefusal(std::string_view unit) override;

    // How the window reads a unit's name: the row it names and its scale
    // (the amount in the row's unit is amount × multiply / divide).
    struct SpeltUnit {
        int row = -1;
        double multiply = 1;
        double divide = 1;
        // When the name fits several units: each, as "MW (megawatt)".
        std::vector<std::string> choices;
    };
    using UnitSpeller = SpeltUnit (*)(const ConverterDef& def, std::string_view typed);
    void setUnitSpeller(UnitSpeller speller) { speller_ = speller; }

    // The row edited by an entry in box `boxNumber`, or -1 when the box
    // number names no box or the box's selected tag names no field.
    int editedRow(int boxNumber);
    int rowCount() const { return static_cast<int>(def_.rows.size()); }
    int baseRowOf(int row) const { return baseOfRow_[row]; }
    bool isBaseRow(int row) const { return baseOfRow_[row] == row; }
    // A row without formulas of its own: it converts to and from its base
    // by its exact size, under the classic tables too.
    bool convertsBySize(int row) const;
    int boxFirstRow(int box) const { return boxFirst_[box]; }
    int boxRowCount(int box) const { return boxFirst_[box + 1] - boxFirst_[box]; }
    int boxCount() const { return static_cast<int>(def_.boxes.size()); }

protected:
    // Converts with the classic tables: through the base, formula by formula.
    virtual void convert(int boxNumber);
    // Converts with exact definitions: every field straight from the edited
    // one (or from its base when none counts as edited).
    virtual void convertExact(int boxNumber);
    // Enters again the number last typed into box `box`, if any.
    void repeatEntry(int box);
    // Repeats the entries that the window's fields now show: the last one.
    virtual void repeatEntries();
    void showTableSet() override;

    double read(int row) { return fieldAt(row).doubleValue(); }
    void write(int row, double value) { fieldAt(row).setDoubleValue(value); }
    // Step 2: the edited row's number, read once, into its base (by its
    // size for a row without formulas).
    void writeBaseFrom(int row);
    // Step 3 for one row: a fresh read of its base, through its formula; a
    // row without formulas by its size, from the entry when that was in
    // such a row of the same base.
    void writeFromBase(int row);
    // Step 3 for rows [first, last) except bases and `edited`.
    void writeRange(int first, int last, int edited);
    // Converts with `rows` in place of the table's formulas from now on, for
    // a window whose factors depend on a choice. `rows` must have the
    // table's shape (same boxes and outlets) and outlive the window.
    void useTable(std::span<const UnitRow> rows);

    // Under exact definitions: row `row` from what row `from` holds (what
    // was typed there, while it still holds that).
    void writeExact(int from, int row);
    // Rows [first, last) except bases and `edited`, each from row `from`;
    // with from < 0 each from its own base.
    void writeExactRange(int first, int last, int edited, int from);
    // The exact conversion of an entry in `edited` (or none, -1) for the
    // rows [first, last): the base first, then the rest in table order.
    void convertExactWithin(int edited, int first, int last);

private:
    static WindowPlan makePlan(const ConverterDef& def, WindowPlan extra);

    // The exact conversions of the table in use, found on first use.
    const ExactConversions& conversions();

    const ConverterDef& def_;
    std::span<const UnitRow> rows_;
    const ExactConversions* conversions_ = nullptr;
    std::vector<int> baseOfRow_;
    std::vector<int> boxFirst_;
    // The last entry in each box: its tag (-1: none yet) and its number, as
    // the cell held it and exactly.
    std::vector<int> lastTags_;
    std::vector<double> lastValues_;
    std::vector<ExactValue> lastExact_;
    int lastBox_ = -1;
    // The entry in a row without formulas that the classic conversion in
    // progress started from, or -1.
    int sizedEntry_ = -1;
    UnitSpeller speller_ = nullptr;
};

}  // namespace ambrel
