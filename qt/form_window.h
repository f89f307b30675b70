// SPDX-License-Identifier: GPL-3.0-or-later
// A window built from a WindowPlan: boxes of labelled cells in columns, the
// choices, a row of buttons and a status line for refused entries. A main
// window, so that assistive technology sees a window and not a filler.
#pragma once

#include "framework/platform.h"
#include "framework/window_plan.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>

class QScrollArea;
class QVBoxLayout;

namespace ambrel {

class WindowController;
struct ConverterDef;
class QtBox;
class QtField;
class SpokenNote;

class FormWindow : public QMainWindow {
    // Without Q_OBJECT, tr() would look texts up under QMainWindow's name;
    // this gives them the class's own, which the catalogs use.
    Q_DECLARE_TR_FUNCTIONS(FormWindow)

public:
    FormWindow(const WindowPlan& plan, WindowController& owner, Platform& platform);

    BuiltWindow& parts() { return parts_; }
    void setParts(Window* window) { parts_.window = window; }
    QString statusText() const { return status_->text(); }

    // Lays the boxes out in as many columns as fit the width of `room`, and
    // in shorter columns where that saves height; what still does not fit
    // scrolls.
    void reflow(const QSize& room);
    // Whether the boxes show without scrolling sideways at the current size.
    bool boxesFitWidth() const;
    // Whether the boxes, as laid out now, show whole across a window of
    // `room`, a scroll bar included where they are taller than it.
    bool boxesFitWidth(const QSize& room);
    // The width a scroll bar takes beside the boxes in a window of `room`:
    // none when they are not taller than it.
    int scrollBarWidth(const QSize& room);
    // The window as a printed document: a heading with its title, the date,
    // the accuracy and the table set, then each box as a table of unit and
    // shown value.
    QString printedDocument() const;

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window is built in these steps, in this order.
    void createBoxes(const WindowPlan& plan);
    QtField* createCell(const FieldPlan& field);
    // Each box spreads its cells over columns of at most `rowsPerColumn`.
    void arrangeCells(int rowsPerColumn);
    // Boxes go down a column until it holds `columnRows` rows of cells.
    void arrangeBoxes(int columnRows);
    // What the window adds around its scrolled boxes, its layouts brought up
    // to date first.
    QSize chromeSize();
    // The scroll bar beside boxes laid out as now in `room`, the window
    // adding `chrome` around them; and whether they then show across it.
    int scrollBarBeside(const QSize& room, const QSize& chrome) const;
    bool boxesFitAcross(const QSize& room, const QSize& chrome) const;
    void createChoice(const ChoicePlan& choice);
    QHBoxLayout* createButtonRow(const WindowPlan& plan);
    void createShortcuts(const WindowPlan& plan);
    void orderTabStops();
    // Whether the owner answers `action`; if not, says so and disables `control`.
    bool connectAction(QWidget* control, const std::string& action);

    void confirm(QtField* cell);
    void showRefusal(QtField* cell, const QString& why);
    void noteResults();
    // The quantity in several units, under the boxes of the windows that
    // have such readings (feet and inches, ...); made on every change of
    // the cells they are read from.
    void createReadings(const WindowPlan& plan, QVBoxLayout* outer);
    void showReadings();

    WindowController& owner_;
    Platform& platform_;
    BuiltWindow parts_;
    std::vector<QtBox*> boxes_;
    std::vector<int> cellsPerBox_;
    int rowsPerColumn_ = 0;
    std::vector<QWidget*> choices_;  // each beside the boxes, in a column of its own
    QWidget* boxesArea_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* status_ = nullptr;
    SpokenNote* spoken_ = nullptr;  // tells screen readers of a refusal
    bool resultNoted_ = false;      // the note line says why a result is blank
    const ConverterDef* readingsOf_ = nullptr;
    std::vector<QLabel*> readings_;
    std::vector<std::pair<std::string, QtField*>> readingCells_;  // the cells they are read from
};

}  // namespace ambrel
