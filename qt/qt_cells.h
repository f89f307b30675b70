// SPDX-License-Identifier: GPL-3.0-or-later
// Qt widgets that are the platform's cells, boxes, choices and controls.
#pragma once

#include "framework/number_text.h"
#include "framework/platform.h"
#include "framework/window_plan.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <functional>
#include <vector>

class QLabel;
class QMenu;

namespace ambrel {

class QtBox;

// A line edit that stores a full double and shows it in a fixed format.
class QtField : public QLineEdit, public Field {
    Q_DECLARE_TR_FUNCTIONS(QtField)

public:
    explicit QtField(FieldKind kind, QWidget* parent = nullptr);

    double doubleValue() const override;
    void setDoubleValue(double value) override;
    std::string stringValue() const override;
    void setStringValue(std::string_view text) override;
    void setFloatingPointFormat(bool autoRange, int left, int right) override;
    void setTitle(std::string_view title) override;
    void acceptEntry(double value) override;
    void keepRefusedText(std::string_view text) override;

    bool isTextCell() const { return text_; }
    int digits() const { return digits_; }
    // The label that names this cell on screen (its buddy).
    void setLabel(QLabel* label) { label_ = label; }
    QLabel* label() const { return label_; }
    bool holdsRefusedText() const override { return refused_; }
    // Puts back what the cell showed before a refused entry.
    void dropRefusedText();
    // Whether the cell holds text other than what it was last given: an
    // entry waiting to be confirmed, or refused text.
    bool isEdited() const;
    // Why the text the cell holds was refused; told to assistive technology
    // until the cell is corrected.
    void setRefusalReason(const QString& why);

    // The user's decimal separator, for reading typed and writing shown text.
    static char decimalSeparator();

    // What the cell shows, and its full value in a form that reads back exactly.
    QString shownText() const { return QLineEdit::text(); }
    QString fullValueText() const;
    // Whether the text is wider than the cell, which then shows its leading
    // part and an ellipsis while it is not being edited.
    bool isElided() const;
    // Called with a message when a paste is refused for its length, rather
    // than cut to what the cell takes.
    void onPasteRefused(std::function<void(const QString&)> refused) { pasteRefused_ = std::move(refused); }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void render();
    // Whether the cell has its window's focus.
    bool isWorkedIn() const;
    // Shows `shown` as the cell's own text, which nobody has edited.
    void showText(const QString& shown);
    QRect textArea() const;
    QString toolTipText() const;
    // Whether `inserted` fits in the cell, in place of the selection or
    // beside it; if not, says so.
    bool fits(const QString& inserted, bool replacesSelection = true);
    void pasteChecked();
    // The accessible description: the refusal while one stands, otherwise
    // the full value, which the cell shows only rounded, while it has the focus.
    void describe();
    QMenu* openContextMenu(const QPoint& globalPos);

    bool text_;
    bool refused_ = false;
    double value_ = 0;
    // A cell no accuracy reaches (a calculator's entry) shows its number as
    // typed, as the command line does.
    int digits_ = kFullPrecisionDigits;
    QLabel* label_ = nullptr;
    std::function<void(const QString&)> pasteRefused_;
    QString refusal_;
    QString written_;        // the text the cell last showed of its own
    QString writtenBefore_;  // and what it showed before that
    friend class QtBox;
    QtBox* box_ = nullptr;
    int tag_ = -1;
};

// A titled group of cells; the selected tag follows the focus.
class QtBox : public QGroupBox, public Box {
public:
    explicit QtBox(const QString& title, QWidget* parent = nullptr);

    int selectedTag() const override { return selected_; }
    void selectCellWithTag(int tag) override;
    int cellCount() const override { return static_cast<int>(cells_.size()); }
    Field* cellAtIndex(int index) override;

    void addCell(QtField* cell);
    QtField* cell(int index) const { return cells_[index]; }
    void noteFocus(int tag) { selected_ = tag; }

private:
    std::vector<QtField*> cells_;
    int selected_ = -1;
};

class QtRadioChoice : public QGroupBox, public Choice {
public:
    QtRadioChoice(const QString& title, QWidget* parent = nullptr);
    int selectedTag() const override;
    void selectItemWithTag(int tag) override;
    void selectItemAtIndex(int index) override;
    QButtonGroup* group() { return &group_; }
    const QButtonGroup* group() const { return &group_; }

private:
    QButtonGroup group_;
};

class QtPopupChoice : public QComboBox, public Choice {
public:
    explicit QtPopupChoice(QWidget* parent = nullptr) : QComboBox(parent) {}
    int selectedTag() const override;
    void selectItemWithTag(int tag) override;
    void selectItemAtIndex(int index) override;
};

class QtSpinControl : public IntControl {
public:
    explicit QtSpinControl(QSpinBox* spin) : spin_(spin) {}
    int intValue() const override;
    void setIntValue(int value) override;

private:
    QSpinBox* spin_;
};

class QtSliderControl : public IntControl {
public:
    explicit QtSliderControl(QSlider* slider) : slider_(slider) {}
    int intValue() const override { return slider_->value(); }
    void setIntValue(int value) override;

private:
    QSlider* slider_;
};

}  // namespace ambrel
