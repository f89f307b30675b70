// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/form_window.h"
#include "qt/translations.h"

#include "app/mixed_readings.h"
#include "framework/controller.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/window_controller.h"
#include "qt/accessible_role.h"
#include "qt/qt_cells.h"
#include "qt/spoken_note.h"
#include "qt/status_line.h"

#include "framework/number_text.h"
#include <QDate>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace ambrel {

namespace {

// A box shows at most this many cells in one column, fewer when the screen
// is short: a tall box then spreads over more columns.
constexpr int kRowsPerColumn = 10;
constexpr int kFewestRowsPerColumn = 3;
// The width of a cell, in digits; every window still fits a 1366-pixel screen.
constexpr int kCellDigits = 22;
constexpr int kTextCellDigits = 34;
// Boxes are stacked in a column of the window up to this many rows.
constexpr int kWindowColumnRows = 14;

// Rows of a box: its cells spread evenly over as few columns as needed.
int rowsOf(int cells, int rowsPerColumn = kRowsPerColumn)
{
    const int columns = std::max(1, (cells + rowsPerColumn - 1) / rowsPerColumn);
    return (cells + columns - 1) / columns;
}

// A choice's title in the person's language, its decimals written as the
// cells write numbers ("1,544 Mbit/s (T1)").
QString choiceTitle(const std::string& title)
{
    QString text = translatedCoreText(title);
    const QChar point = QLatin1Char(QtField::decimalSeparator());
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u'.' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text[i] = point;
    return text;
}

}  // namespace

namespace {

// Scrolls the boxes when the screen is too small for them, yet asks for all
// the room they need, so a window that fits shows no scroll bars.
class BoxesScrollArea : public QScrollArea {
public:
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

}  // namespace

FormWindow::FormWindow(const WindowPlan& plan, WindowController& owner, Platform& platform)
    : owner_(owner), platform_(platform)
{
    setWindowTitle(translatedCoreText(plan.title));
    setObjectName(QString::fromStdString(plan.outlet));

    boxesArea_ = new QWidget;
    spoken_ = new SpokenNote(boxesArea_);
    createBoxes(plan);
    for (const FieldPlan& f : plan.fields)
        parts_.fields.push_back(createCell(f));
    for (const ChoicePlan& c : plan.choices)
        createChoice(c);
    arrangeCells(kRowsPerColumn);
    arrangeBoxes(kWindowColumnRows);

    scroll_ = new BoxesScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(boxesArea_);
    // Not a Tab stop of its own, which a screen reader could only call
    // "scroll pane": a cell that takes the focus is scrolled into view.
    scroll_->setFocusPolicy(Qt::NoFocus);

    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    outer->addWidget(scroll_, 1);
    createReadings(plan, outer);
    // The note has a line of its own across the window, so a narrow window
    // with many buttons still shows its sentence.
    status_ = new StatusLine;
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(status_);
    outer->addLayout(createButtonRow(plan));
    setCentralWidget(central);
    createShortcuts(plan);
    orderTabStops();
}

void FormWindow::orderTabStops()
{
    // What the person sets comes first, the choices beside it too; what the
    // window works out comes after. The buttons stay last.
    std::vector<QWidget*> order;
    for (Field* field : parts_.fields)
        if (auto* cell = static_cast<QtField*>(field); !cell->isReadOnly())
            order.push_back(cell);
    for (Choice* choice : parts_.choices) {
        if (auto* radio = dynamic_cast<QtRadioChoice*>(choice))
            for (QAbstractButton* button : radio->group()->buttons())
                order.push_back(button);
        else if (auto* popup = dynamic_cast<QtPopupChoice*>(choice))
            order.push_back(popup);
    }
    for (Field* field : parts_.fields)
        if (auto* cell = static_cast<QtField*>(field); cell->isReadOnly())
            order.push_back(cell);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FormWindow::createBoxes(const WindowPlan& plan)
{
    cellsPerBox_.assign(plan.boxes.size(), 0);
    for (const FieldPlan& f : plan.fields)
        if (f.box >= 0 && f.box < static_cast<int>(cellsPerBox_.size()))
            ++cellsPerBox_[f.box];
    for (const BoxPlan& b : plan.boxes) {
        auto* box = new QtBox(translatedCoreText(b.title));
        box->setObjectName(QString::fromStdString(b.outlet));
        boxes_.push_back(box);
        parts_.boxes.push_back(box);
    }
}

QtField* FormWindow::createCell(const FieldPlan& f)
{
    auto* cell = new QtField(f.kind);
    cell->setObjectName(QString::fromStdString(f.outlet));
    // Room for nearly every number at full precision ("9.876863253402463e-18");
    // a longer text shows its beginning and an ellipsis.
    // A text cell holds a 32-bit number in binary: all 32 digits and a margin.
    cell->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                        (f.kind == FieldKind::Text ? kTextCellDigits : kCellDigits));
    cell->setReadOnly(f.readOnly);
    // A result is read by clicking it; Tab goes from one entry to the next.
    if (f.readOnly)
        cell->setFocusPolicy(Qt::ClickFocus);
    cell->onPasteRefused([this](const QString& why) {
        platform_.beep();
        status_->setText(why);
        spoken_->say(why);
    });
    auto* label = new QLabel;
    label->setBuddy(cell);
    cell->setLabel(label);
    cell->setTitle(f.label);
    if (f.box < 0 || f.box >= static_cast<int>(boxes_.size()))
        return cell;
    boxes_[f.box]->addCell(cell);
    // A result cell only shows numbers; Enter there must not store the rounded text.
    if (!f.readOnly)
        connect(cell, &QLineEdit::returnPressed, this, [this, cell] { confirm(cell); });
    return cell;
}

void FormWindow::arrangeCells(int rowsPerColumn)
{
    rowsPerColumn_ = rowsPerColumn;
    for (QtBox* box : boxes_) {
        // The cells and labels stay; only the grid that places them is new.
        delete box->layout();
        auto* grid = new QGridLayout(box);
        const int rows = rowsOf(box->cellCount(), rowsPerColumn);
        for (int index = 0; index < box->cellCount(); ++index) {
            QtField* cell = box->cell(index);
            if (cell->label())
                grid->addWidget(cell->label(), index % rows, (index / rows) * 2, Qt::AlignRight);
            grid->addWidget(cell, index % rows, (index / rows) * 2 + 1);
        }
        // Keep each label next to its cell when a box is wider than its cells.
        grid->setColumnStretch(grid->columnCount(), 1);
    }
}

void FormWindow::arrangeBoxes(int columnRows)
{
    // Widgets outlive the layouts that place them: a new arrangement takes
    // the same boxes.
    delete boxesArea_->layout();
    auto* columns = new QHBoxLayout(boxesArea_);
    columns->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* column = nullptr;
    int rowsSoFar = 0;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const int rows = rowsOf(cellsPerBox_[i], rowsPerColumn_);
        if (!column || rowsSoFar + rows > columnRows) {
            if (column)
                column->addStretch(1);
            column = new QVBoxLayout;
            columns->addLayout(column);
            rowsSoFar = 0;
        }
        column->addWidget(boxes_[i]);
        rowsSoFar += rows;
    }
    if (column)
        column->addStretch(1);
    for (QWidget* choice : choices_)
        columns->addWidget(choice, 0, Qt::AlignTop);
}

void FormWindow::reflow(const QSize& room)
{
    const QSize chrome = chromeSize();
    const auto boxesHint = [this] {
        boxesArea_->layout()->activate();
        return boxesArea_->sizeHint();
    };
    const auto fitsAcross = [&] {
        boxesArea_->layout()->activate();
        return boxesFitAcross(room, chrome);
    };
    // The usual arrangement first: boxes stacked in columns, from the widest
    // arrangement to a single column, the first as wide as the room.
    const auto widestFitting = [&](int rowsPerColumn) {
        arrangeCells(rowsPerColumn);
        int total = 0;
        for (int cells : cellsPerBox_)
            total += rowsOf(cells, rowsPerColumn);
        int columnRows = kWindowColumnRows;
        for (;; columnRows += kWindowColumnRows / 2) {
            arrangeBoxes(columnRows);
            if (fitsAcross() || columnRows >= total)
                break;
        }
        return columnRows;
    };
    // Too narrow even for a single column of boxes: a box's cells go down
    // fewer columns of their own.
    int usualRows = kRowsPerColumn;
    widestFitting(usualRows);
    const int mostCells = cellsPerBox_.empty() ? 0 : *std::ranges::max_element(cellsPerBox_);
    while (!fitsAcross() && usualRows < mostCells)
        widestFitting(usualRows = std::min(mostCells, usualRows + kRowsPerColumn / 2));
    // Too tall for the room: shorter columns inside the boxes and down the
    // window, as long as they are still as wide as the room, before the
    // window scrolls. The lowest arrangement wins; the usual one on a tie.
    if (boxesHint().height() + chrome.height() > room.height()) {
        int bestHeight = boxesHint().height();
        std::pair<int, int> best{kRowsPerColumn, -1};
        for (int rowsPerColumn = kRowsPerColumn; rowsPerColumn >= kFewestRowsPerColumn; --rowsPerColumn) {
            arrangeCells(rowsPerColumn);
            int total = 0;
            for (int cells : cellsPerBox_)
                total += rowsOf(cells, rowsPerColumn);
            for (int columnRows = rowsPerColumn; columnRows <= std::min(total, 2 * kWindowColumnRows); ++columnRows) {
                arrangeBoxes(columnRows);
                const QSize hint = boxesHint();
                if (fitsAcross() && hint.height() < bestHeight) {
                    bestHeight = hint.height();
                    best = {rowsPerColumn, columnRows};
                }
            }
        }
        if (best.second < 0) {
            widestFitting(usualRows);
        } else {
            arrangeCells(best.first);
            arrangeBoxes(best.second);
        }
    }
    chromeSize();
}

QSize FormWindow::chromeSize()
{
    // The scroll area asks for what its boxes ask for, so the layouts above
    // it must hear that its hint changed.
    scroll_->updateGeometry();
    centralWidget()->updateGeometry();
    layout()->activate();
    return sizeHint() - scroll_->sizeHint();
}

int FormWindow::scrollBarBeside(const QSize& room, const QSize& chrome) const
{
    if (boxesArea_->sizeHint().height() + chrome.height() <= room.height())
        return 0;
    return scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
}

bool FormWindow::boxesFitAcross(const QSize& room, const QSize& chrome) const
{
    return boxesArea_->sizeHint().width() + chrome.width() + scrollBarBeside(room, chrome) <= room.width();
}

int FormWindow::scrollBarWidth(const QSize& room)
{
    return scrollBarBeside(room, chromeSize());
}

bool FormWindow::boxesFitWidth(const QSize& room)
{
    return boxesFitAcross(room, chromeSize());
}

bool FormWindow::boxesFitWidth() const
{
    return boxesArea_->sizeHint().width() <= scroll_->viewport()->width();
}

void FormWindow::createChoice(const ChoicePlan& c)
{
    const QString title = translatedCoreText(c.title);
    if (c.radio) {
        auto* radio = new QtRadioChoice(title);
        radio->setObjectName(QString::fromStdString(c.outlet));
        auto* layout = new QVBoxLayout(radio);
        for (const ChoiceItem& item : c.items) {
            auto* button = new QRadioButton(choiceTitle(item.title));
            radio->group()->addButton(button, item.tag);
            layout->addWidget(button);
        }
        radio->selectItemWithTag(c.initialTag);
        // The checked state counts, not how it was reached: a click, an
        // arrow key or an assistive tool's toggle act alike, once.
        if (!c.action.empty() && connectAction(radio, c.action))
            connect(radio->group(), &QButtonGroup::idToggled, this, [this, action = c.action](int, bool checked) {
                if (checked)
                    owner_.perform(action);
            });
        parts_.choices.push_back(radio);
        choices_.push_back(radio);
        return;
    }
    auto* popup = new QtPopupChoice;
    popup->setObjectName(QString::fromStdString(c.outlet));
    // Before anything asks assistive technology about it.
    nameChoiceListByItsLabel(popup);
    popup->setAccessibleName(title);
    for (const ChoiceItem& item : c.items)
        popup->addItem(choiceTitle(item.title), item.tag);
    popup->selectItemWithTag(c.initialTag);
    if (!c.action.empty() && connectAction(popup, c.action))
        connect(popup, &QComboBox::currentIndexChanged, this,
                [this, action = c.action](int) { owner_.perform(action); });
    parts_.choices.push_back(popup);
    auto* label = new QLabel(title);
    label->setBuddy(popup);
    auto* holder = new QWidget;
    auto* labelled = new QVBoxLayout(holder);
    labelled->setContentsMargins(0, 0, 0, 0);
    labelled->addWidget(label);
    labelled->addWidget(popup);
    labelled->addStretch(1);
    choices_.push_back(holder);
}

QHBoxLayout* FormWindow::createButtonRow(const WindowPlan& plan)
{
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    for (const ButtonPlan& b : plan.buttons) {
        auto* button = new QPushButton(translatedCoreText(b.title));
        button->setAutoDefault(false);
        if (connectAction(button, b.action))
            connect(button, &QPushButton::clicked, this, [this, action = b.action] {
                owner_.perform(action);
                noteResults();
            });
        bottom->addWidget(button);
    }
    // Alt+C belongs to Calculate where a window has it.
    const bool cTaken = std::ranges::any_of(plan.buttons, [](const ButtonPlan& b) {
        const std::size_t amp = b.title.find('&');
        return amp != std::string::npos && amp + 1 < b.title.size() && (b.title[amp + 1] | 0x20) == 'c';
    });
    auto* close = new QPushButton(cTaken ? tr("Cl&ose") : tr("&Close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    bottom->addWidget(close);
    return bottom;
}

void FormWindow::createShortcuts(const WindowPlan& plan)
{
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    // F1 shows this window's notes; Ctrl+P prints it.
    if (!plan.helpAction.empty())
        connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
                [this, action = plan.helpAction] { owner_.perform(action); });
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, [this] { parts_.window->print(); });
}

bool FormWindow::connectAction(QWidget* control, const std::string& action)
{
    if (owner_.responds(action))
        return true;
    // A plan that names an action its controller lacks is a programming
    // error: say so loudly and leave the control disabled, never dead.
    qCritical("%s: \"%s\" names no action of its window", qPrintable(objectName()), action.c_str());
    control->setEnabled(false);
    return false;
}

void FormWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A hidden window gives back its native window and backing store; the
    // widgets and their numbers stay, and showing it again makes new ones.
    // A refused entry goes, with its note: the window opens again on numbers.
    if (!event->spontaneous()) {
        bool dropped = false;
        for (Field* field : parts_.fields) {
            auto* cell = static_cast<QtField*>(field);
            dropped = dropped || cell->holdsRefusedText();
            cell->dropRefusedText();
        }
        if (dropped)
            status_->clear();
    }
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this] {
            if (!isVisible())
                destroy();
        });
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape reaches the window only when nothing inside took it: an open
    // list closes itself and the window stays. A shortcut would fire first.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FormWindow::confirm(QtField* cell)
{
    int index = 0;
    while (index < static_cast<int>(parts_.fields.size()) && parts_.fields[index] != cell)
        ++index;
    // Only what the person typed is read; a cell they merely reached and
    // confirmed shows a rounded form of the number it holds.
    const EntryResult result = cell->isEdited()
        ? typeAndConfirm(platform_, owner_, index, cell->text().trimmed().toStdString(), QtField::decimalSeparator())
        : confirmUnchanged(owner_, index);
    if (!result.accepted)
        showRefusal(cell, QString::fromStdString(result.message));
    else if (!status_->text().isEmpty())  // clearing an empty label still lays the window out
        status_->clear();
    if (result.accepted)
        noteResults();
}

void FormWindow::noteResults()
{
    // A result cell shows a dash for a result that is no number; the note
    // line says why.
    bool blank = false;
    for (Field* field : parts_.fields) {
        const auto* cell = static_cast<const QtField*>(field);
        blank = blank || (cell->isReadOnly() && !cell->isTextCell() && !std::isfinite(cell->doubleValue()));
    }
    const std::string& done = owner_.calculationNote();
    if (blank) {
        const std::string note = owner_.resultNote();
        status_->setText(note.empty() ? tr("A result has no value for these numbers") : translatedCoreText(note));
    } else if (!done.empty()) {
        // A cap or a link changed numbers beyond the plain conversion.
        status_->setText(translatedCoreText(done));
    } else if (resultNoted_) {
        status_->clear();
    }
    resultNoted_ = blank || !done.empty();
}

void FormWindow::createReadings(const WindowPlan& plan, QVBoxLayout* outer)
{
    const auto* converter = dynamic_cast<const ConverterWindow*>(&owner_);
    if (!converter)
        return;
    const std::vector<std::string> sources = mixedReadingSources(converter->def());
    if (sources.empty())
        return;
    readingsOf_ = &converter->def();
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        // One line each that never widens the window, read like a result
        // cell: selectable, reached by a click rather than by Tab.
        auto* reading = new StatusLine;
        reading->setObjectName(QStringLiteral("MixedReading"));
        reading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        reading->setFocusPolicy(Qt::ClickFocus);
        row->addWidget(reading, 1);
        readings_.push_back(reading);
    }
    outer->addLayout(row);
    for (std::size_t i = 0; i < plan.fields.size(); ++i)
        if (std::find(sources.begin(), sources.end(), plan.fields[i].outlet) != sources.end()) {
            auto* cell = static_cast<QtField*>(parts_.fields[i]);
            readingCells_.emplace_back(plan.fields[i].outlet, cell);
            connect(cell, &QLineEdit::textChanged, this, [this] { showReadings(); });
        }
    showReadings();
}

void FormWindow::showReadings()
{
    int digits = kFullPrecisionDigits;
    const auto cellValue = [&](std::string_view outlet) {
        for (const auto& [name, cell] : readingCells_)
            if (name == outlet)
                return cell->doubleValue();
        return std::nan("");
    };
    if (!readingCells_.empty())
        digits = readingCells_.front().second->digits();
    const std::vector<MixedReading> readings =
        mixedReadings(*readingsOf_, cellValue, digits, QtField::decimalSeparator());
    for (std::size_t i = 0; i < readings.size() && i < readings_.size(); ++i) {
        const QString name = translatedCoreText(readings[i].name);
        const QString text = readings[i].text.empty() ? QStringLiteral("—") : QString::fromStdString(readings[i].text);
        readings_[i]->setText(text);
        readings_[i]->setAccessibleName(tr("%1: %2").arg(name, text));
        readings_[i]->setToolTip(readings_[i]->accessibleName());
    }
}

void FormWindow::showRefusal(QtField* cell, const QString& why)
{
    status_->setText(tr("“%1”: %2").arg(StatusLine::quote(cell->text()), why));
    // The beep alone tells a screen reader's user nothing: the note is
    // spoken, and the reason goes to the cell that keeps the focus.
    cell->setRefusalReason(why);
    spoken_->say(status_->text());
}

}  // namespace ambrel

namespace ambrel {

QString FormWindow::printedDocument() const
{
    const QString title = translatedCoreText(owner_.plan().title);
    // The accuracy is what the number cells show; a window of text cells only has none.
    QString accuracy;
    for (const Field* field : parts_.fields)
        if (const auto* cell = dynamic_cast<const QtField*>(field); cell && !cell->isTextCell()) {
            accuracy = cell->digits() >= kFullPrecisionDigits ? tr("full precision")
                                                              : tr("%n decimal(s)", nullptr, cell->digits());
            break;
        }
    QStringList about{QLocale().toString(QDate::currentDate(), QLocale::LongFormat)};
    if (!accuracy.isEmpty())
        about << tr("Accuracy: %1").arg(accuracy);
    about << (owner_.exactDefinitions() ? tr("Exact definitions") : tr("Classic tables"));

    QString html = QStringLiteral("<h1>%1</h1><p>%2</p>").arg(title.toHtmlEscaped(), about.join(QStringLiteral(" · ")));
    for (const QtBox* box : boxes_) {
        html +=
            QStringLiteral("<h2>%1</h2><table cellspacing=\"0\" cellpadding=\"3\">").arg(box->title().toHtmlEscaped());
        for (int i = 0; i < box->cellCount(); ++i) {
            const auto* cell = static_cast<const QtField*>(const_cast<QtBox*>(box)->cellAtIndex(i));
            html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                        .arg(cell->accessibleName().toHtmlEscaped(), cell->shownText().toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    for (const Choice* choice : parts_.choices) {
        if (const auto* radio = dynamic_cast<const QtRadioChoice*>(choice)) {
            if (const QAbstractButton* on = radio->group()->checkedButton())
                html += QStringLiteral("<p>%1: %2</p>").arg(radio->title().toHtmlEscaped(), on->text().toHtmlEscaped());
        } else if (const auto* popup = dynamic_cast<const QtPopupChoice*>(choice)) {
            html += QStringLiteral("<p>%1: %2</p>")
                        .arg(popup->accessibleName().toHtmlEscaped(), popup->currentText().toHtmlEscaped());
        }
    }
    return html;
}

}  // namespace ambrel
