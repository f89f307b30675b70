// The converter window model, written once for every converter: per-box
// actions, Calc with a box number, the accuracy, opening and the notebook.
// A window that departs from the model overrides calc() and uses the
// helpers below rather than repeating the procedure.
#pragma once

#include "framework/converter_def.h"
#include "framework/window_controller.h"

#include <vector>

namespace ambrel {

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
    void calc(int boxNumber) { convert(boxNumber); }
    // The per-box action: keep the box's selection across the conversion.
    void boxAction(int boxNumber);
    virtual void accuracyChange(int digits);
    void open();
    virtual void showNotebook();

    // The row edited by an entry in box `boxNumber`, or -1 when the box
    // number names no box or the box's selected tag names no field.
    int editedRow(int boxNumber);
    int rowCount() const { return static_cast<int>(def_.rows.size()); }
    int baseRowOf(int row) const { return baseOfRow_[row]; }
    bool isBaseRow(int row) const { return baseOfRow_[row] == row; }
    int boxFirstRow(int box) const { return boxFirst_[box]; }
    int boxRowCount(int box) const { return boxFirst_[box + 1] - boxFirst_[box]; }
    int boxCount() const { return static_cast<int>(def_.boxes.size()); }

protected:
    virtual void convert(int boxNumber);

    double read(int row) { return fieldAt(row).doubleValue(); }
    void write(int row, double value) { fieldAt(row).setDoubleValue(value); }
    // Step 2: the edited row's number, read once, into its base.
    void writeBaseFrom(int row);
    // Step 3 for one row: a fresh read of its base, through its formula.
    void writeFromBase(int row);
    // Step 3 for rows [first, last) except bases and `edited`.
    void writeRange(int first, int last, int edited);
    // Converts with `rows` in place of the table's formulas from now on, for
    // a window whose factors depend on a choice. `rows` must have the
    // table's shape (same boxes and outlets) and outlive the window.
    void useTable(std::span<const UnitRow> rows);

private:
    static WindowPlan makePlan(const ConverterDef& def, WindowPlan extra);

    const ConverterDef& def_;
    std::span<const UnitRow> rows_;
    std::vector<int> baseOfRow_;
    std::vector<int> boxFirst_;
};

}  // namespace ambrel
