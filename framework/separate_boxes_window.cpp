// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/separate_boxes_window.h"

namespace ambrel {

void SeparateBoxesWindow::convert(int box)
{
    if (box < 0 || box >= boxCount())
        return;
    const int edited = editedRow(box);
    if (edited >= 0 && !isBaseRow(edited))
        writeBaseFrom(edited);
    const int first = boxFirstRow(box);
    writeRange(first, first + boxRowCount(box), edited);
}

void SeparateBoxesWindow::convertExact(int box)
{
    if (box < 0 || box >= boxCount())
        return;
    const int first = boxFirstRow(box);
    convertExactWithin(editedRow(box), first, first + boxRowCount(box));
}

bool SeparateBoxesWindow::convertsBetween(int from, int to) const
{
    const auto valid = [&](int row) { return row >= 0 && row < rowCount(); };
    return valid(from) && valid(to) && baseRowOf(from) == baseRowOf(to);
}

void SeparateBoxesWindow::repeatEntries()
{
    for (int box = 0; box < boxCount(); ++box)
        repeatEntry(box);
}

}  // namespace ambrel
