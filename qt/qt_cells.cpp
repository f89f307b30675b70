// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_cells.h"
#include "qt/qt_text.h"
#include "qt/translations.h"

#include "framework/number_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>

namespace ambrel {

QtField::QtField(FieldKind kind, QWidget* parent) : QLineEdit(parent), text_(kind == FieldKind::Text)
{
    if (!text_) {
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        render();
    }
}

char QtField::decimalSeparator()
{
    const QString sep = QLocale().decimalPoint();
    return sep.size() == 1 && sep.at(0).unicode() < 128 ? static_cast<char>(sep.at(0).unicode()) : '.';
}

double QtField::doubleValue() const
{
    if (text_ || (isEdited() && !refused_)) {
        const NumberReading r = readNumber(QLineEdit::text().trimmed().toStdString(), decimalSeparator());
        if (r.ok())
            return r.value;
        if (text_)
            return 0;
    }
    return value_;
}

void QtField::render()
{
    refused_ = false;
    // The locale's separator and no grouping, so the text reads back when
    // typed. A result that is no number shows a dash; its window says why.
    showText(isReadOnly() && !std::isfinite(value_)
                 ? QStringLiteral("\u2014")
                 : QString::fromStdString(groupDigits(formatShown(value_, digits_, decimalSeparator()))));
    describe();
}

void QtField::showText(const QString& shown)
{
    // A cell whose text stays the same is left alone: every rewrite is an
    // event a screen reader may read out, and one entry changes few cells.
    if (shown != QLineEdit::text()) {
        setText(shown);
        // The leading digits count most: the cell being worked in shows the
        // start of a long text. The others draw their start themselves
        // (paintEvent), and keep the cursor at the end where setText puts
        // it, so that a new text of the same length moves no cursor.
        if (isWorkedIn())
            setCursorPosition(0);
    }
    setModified(false);
    written_ = QLineEdit::text();
}

bool QtField::isWorkedIn() const
{
    // The window's focus, whether or not the window is the active one.
    return window()->focusWidget() == this;
}

bool QtField::isEdited() const
{
    // Typing sets the modified flag; an assistive tool or a program that
    // sets the text does not, so the text is compared as well.
    return refused_ || isModified() || QLineEdit::text() != written_;
}

void QtField::describe()
{
    // The full value is told for the cell being worked in only: kept on
    // every cell, each entry would send one more event for every cell it
    // changes, and a screen reader asks for the description when the focus
    // arrives.
    const QString description = refused_ ? refusal_ : text_ || !isWorkedIn() ? QString() : fullValueText();
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

void QtField::setRefusalReason(const QString& why)
{
    refusal_ = why;
    describe();
}

void QtField::setDoubleValue(double value)
{
    value_ = value;
    if (text_) {
        refused_ = false;
        showText(QString::fromStdString(formatExact(value)));
        describe();
        return;
    }
    render();
}

std::string QtField::stringValue() const
{
    return QLineEdit::text().toStdString();
}

void QtField::setStringValue(std::string_view text)
{
    refused_ = false;
    writtenBefore_ = written_;
    showText(toQString(text));
    if (!text_)
        value_ = readNumber(text).value;
    describe();
}

void QtField::setFloatingPointFormat(bool, int, int right)
{
    digits_ = right;
    if (!text_ && !refused_ && !isEdited())
        render();
}

void QtField::setTitle(std::string_view title)
{
    // Labels sit beside their cells in every window without a colon; the
    // computing window's titles carry one, which a screen reader would
    // also read out as "kibibit colon".
    QString name = toQString(title).trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    name = translatedLabel(name.trimmed().toStdString());
    if (label_)
        label_->setText(name);
    if (name != accessibleName())
        setAccessibleName(name);
}

void QtField::acceptEntry(double value)
{
    value_ = value;
    render();
}

void QtField::dropRefusedText()
{
    if (!refused_)
        return;
    if (!text_)
        return render();
    // A text cell is given what was typed before its window refuses it.
    refused_ = false;
    if (QLineEdit::text() == written_)
        written_ = writtenBefore_;
    setText(written_);
    setModified(false);
    describe();
}

void QtField::keepRefusedText(std::string_view text)
{
    refused_ = true;
    setText(toQString(text));
    selectAll();
}

QString QtField::fullValueText() const
{
    if (text_)
        return QLineEdit::text();
    return QString::fromStdString(formatShown(value_, kMaxShownDecimals, decimalSeparator()));
}

QRect QtField::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // QLineEdit keeps two pixels clear on either side of its text.
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(2, 0, -2, 0);
}

bool QtField::isElided() const
{
    return fontMetrics().horizontalAdvance(QLineEdit::text()) > textArea().width();
}

void QtField::paintEvent(QPaintEvent* event)
{
    // While edited the cell is a plain line edit with its cursor.
    if (hasFocus() || !isElided())
        return QLineEdit::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = textArea();
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          fontMetrics().elidedText(QLineEdit::text(), Qt::ElideRight, area.width()), QPalette::Text);
}

QString QtField::toolTipText() const
{
    // The whole text of a cell too narrow for it; the full value of a number
    // shown rounded, so a number shown as 12.0000 is never a dead end.
    const QString shown = QLineEdit::text();
    if (text_ || refused_)
        return isElided() ? shown : QString();
    const QString full = fullValueText();
    if (!isElided())
        return full;
    return full == shown ? shown : shown + QLatin1Char('\n') + tr("Full value: %1").arg(full);
}

bool QtField::event(QEvent* event)
{
    // Made on demand: most cells are never hovered.
    if (event->type() == QEvent::ToolTip) {
        const QString tip = toolTipText();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QLineEdit::event(event);
}

bool QtField::fits(const QString& inserted, bool replacesSelection)
{
    const qsizetype kept = QLineEdit::text().size() - (replacesSelection ? selectedText().size() : 0);
    const qsizetype length = kept + inserted.size();
    if (isReadOnly() || length <= maxLength())
        return true;
    if (pasteRefused_)
        pasteRefused_(tr("The pasted text has %1 characters; a cell takes at most %2. Nothing was pasted.")
                          .arg(inserted.size())
                          .arg(maxLength()));
    return false;
}

void QtField::pasteChecked()
{
    if (fits(QGuiApplication::clipboard()->text()))
        paste();
}

void QtField::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click pastes the selection on X11, at the cursor and keeping
    // what is selected; it is held to the same length.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() && !isReadOnly()) {
        if (!fits(QGuiApplication::clipboard()->text(QClipboard::Selection), false))
            return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void QtField::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasText() && !fits(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void QtField::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Paste && !isReadOnly()) {
        pasteChecked();
        return;
    }
    // The context menu from the keyboard, so its copy actions are not for
    // the mouse alone.
    if ((event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) ||
        (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier)) {
        QMenu* menu = openContextMenu(mapToGlobal(cursorRect().bottomLeft()));
        // Opened from the keyboard, the menu starts on its first item as a
        // menu bar's does, so a screen reader says where the focus went.
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &down);
        return;
    }
    // Copy with nothing selected copies what the cell shows.
    if (event == QKeySequence::Copy && !hasSelectedText()) {
        QGuiApplication::clipboard()->setText(shownText());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void QtField::contextMenuEvent(QContextMenuEvent* event)
{
    openContextMenu(event->globalPos());
}

QMenu* QtField::openContextMenu(const QPoint& globalPos)
{
    // The line edit's own titles, in Qt's catalog rather than ours: held in
    // variables so that our catalogs do not collect them.
    static const char* const kCopy = "&Copy";
    static const char* const kPaste = "&Paste";
    QMenu* menu = createStandardContextMenu();
    menu->setObjectName(QStringLiteral("CellMenu"));
    // The name a screen reader gives the menu as it opens.
    menu->setWindowTitle(tr("%1 menu").arg(accessibleName()));
    // Copy works as Ctrl+C does: with nothing selected it copies what the
    // cell shows, so it is never greyed out.
    if (!hasSelectedText())
        for (QAction* copy : menu->actions())
            if (copy->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr(kCopy)) {
                copy->disconnect(this);
                copy->setEnabled(true);
                connect(copy, &QAction::triggered, this,
                        [this] { QGuiApplication::clipboard()->setText(shownText()); });
            }
    // Its paste is held to the cell's length like the keyboard's. The action
    // is known by its title, in the line edit's own translation.
    for (QAction* paste : menu->actions())
        if (paste->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr(kPaste)) {
            paste->disconnect(this);
            connect(paste, &QAction::triggered, this, [this] { pasteChecked(); });
        }
    menu->addSeparator();
    menu->addAction(tr("Copy &Shown Value"), this, [this] { QGuiApplication::clipboard()->setText(shownText()); });
    if (!text_)
        menu->addAction(tr("Copy &Full Value"), this,
                        [this] { QGuiApplication::clipboard()->setText(fullValueText()); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
    return menu;
}

void QtField::focusInEvent(QFocusEvent* event)
{
    // Described before the focus is announced, which comes after this.
    describe();
    QLineEdit::focusInEvent(event);
    if (box_)
        box_->noteFocus(tag_);
}

void QtField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Its own context menu takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        describe();
}

QtBox::QtBox(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{}

void QtBox::addCell(QtField* cell)
{
    cell->box_ = this;
    cell->tag_ = static_cast<int>(cells_.size());
    cells_.push_back(cell);
}

Field* QtBox::cellAtIndex(int index)
{
    if (index < 0 || index >= cellCount())
        return nullptr;
    return cells_[index];
}

void QtBox::selectCellWithTag(int tag)
{
    selected_ = tag;
    if (tag >= 0 && tag < cellCount()) {
        cells_[tag]->setFocus(Qt::OtherFocusReason);
        // Selected again, a selection sends one more event for nothing.
        if (cells_[tag]->selectedText() != cells_[tag]->text())
            cells_[tag]->selectAll();
    }
}

QtRadioChoice::QtRadioChoice(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
    group_.setExclusive(true);
}

int QtRadioChoice::selectedTag() const
{
    return group_.checkedId();
}

void QtRadioChoice::selectItemWithTag(int tag)
{
    if (QAbstractButton* b = group_.button(tag)) {
        const QSignalBlocker block(&group_);
        b->setChecked(true);
    }
}

void QtRadioChoice::selectItemAtIndex(int index)
{
    const auto buttons = group_.buttons();
    if (index >= 0 && index < buttons.size())
        selectItemWithTag(group_.id(buttons[index]));
}

int QtPopupChoice::selectedTag() const
{
    const QVariant tag = currentData();
    return tag.isValid() ? tag.toInt() : -1;
}

void QtPopupChoice::selectItemWithTag(int tag)
{
    const int index = findData(tag);
    if (index >= 0) {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
    }
}

void QtPopupChoice::selectItemAtIndex(int index)
{
    if (index >= 0 && index < count()) {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
    }
}

int QtSpinControl::intValue() const
{
    return spin_->value();
}

void QtSpinControl::setIntValue(int value)
{
    const QSignalBlocker block(spin_);
    spin_->setValue(value);
}

void QtSliderControl::setIntValue(int value)
{
    const QSignalBlocker block(slider_);
    slider_->setValue(value);
}

}  // namespace ambrel
