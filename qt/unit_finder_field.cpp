// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/unit_finder_field.h"

#include "app/menu_object.h"
#include "framework/number_text.h"
#include "qt/qt_cells.h"
#include "qt/spoken_note.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QToolButton>

namespace ambrel {

namespace {

constexpr std::size_t kShownMatches = 12;

}  // namespace

UnitFinderField::UnitFinderField(MenuObject& menu, QListWidget* list, std::function<void(bool)> showList,
                                 QWidget* parent)
    : QLineEdit(parent), menu_(menu), list_(list), showList_(std::move(showList))
{
    setObjectName(QStringLiteral("UnitFinder"));
    setPlaceholderText(tr("Find a unit or a quantity, e.g. 3 ft (Ctrl+F)"));
    setAccessibleName(tr("Find a unit"));
    // The clear button shows only over text. Its icon comes from a search of
    // the icon themes that would otherwise hold up the first window: it is
    // made with the first text.
    connect(
        this, &QLineEdit::textChanged, this,
        [this] {
            setClearButtonEnabled(true);
            // Qt's button has no name a screen reader could say.
            if (auto* clear = findChild<QToolButton*>())
                clear->setAccessibleName(tr("Clear the search"));
        },
        Qt::SingleShotConnection);
    spoken_ = new SpokenNote(list_);
    list_->setObjectName(QStringLiteral("UnitMatches"));
    list_->setAccessibleName(tr("Matching units"));
    connect(this, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { openMatch(list_->row(item)); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openMatch(list_->row(item)); });
}

void UnitFinderField::refresh()
{
    const FinderQuery query = splitQuery(text().toStdString(), QtField::decimalSeparator());
    number_ = query.number;
    matches_ = findUnits(query.unit, kShownMatches);
    list_->clear();
    const QString prefix = number_.empty() ? QString() : QString::fromStdString(number_) + QLatin1Char(' ');
    const bool one = number_.empty() || readNumber(number_, QtField::decimalSeparator()).value == 1;
    for (const UnitMatch& m : matches_)
        list_->addItem(prefix + QString::fromStdString(one ? m.text : m.pluralText));
    if (matches_.empty() && !text().trimmed().isEmpty()) {
        auto* none = new QListWidgetItem(tr("No unit is called “%1”").arg(QString::fromStdString(query.unit)));
        none->setFlags(Qt::NoItemFlags);
        list_->addItem(none);
    }
    showList_(!text().trimmed().isEmpty());
    list_->setCurrentRow(matches_.empty() ? -1 : 0);
    tellCurrent();
}

void UnitFinderField::tellCurrent()
{
    // The focus stays here while the list follows the typing, so the list
    // sends nothing a screen reader would speak: the match that Enter opens
    // is told as a note, when it is another one.
    const QListWidgetItem* item = list_->currentItem() ? list_->currentItem() : list_->item(0);
    const QString current = item && list_->isVisible() ? item->text() : QString();
    if (current != told_ && !current.isEmpty())
        spoken_->say(current);
    told_ = current;
}

bool UnitFinderField::openMatch(int row)
{
    if (row < 0 || row >= static_cast<int>(matches_.size())) {
        QApplication::beep();
        return false;
    }
    const UnitMatch match = matches_[row];
    const std::string number = number_;
    // The search is done: the menu shows its buttons again.
    clear();
    menu_.openUnit(*match.unit, number, QtField::decimalSeparator());
    return true;
}

void UnitFinderField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (list_->count() > 0) {
            const int step = event->key() == Qt::Key_Down ? 1 : -1;
            const int row = std::clamp(list_->currentRow() + step, 0, static_cast<int>(matches_.size()) - 1);
            list_->setCurrentRow(row);
            tellCurrent();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!text().trimmed().isEmpty()) {
            openMatch(list_->currentRow());
            return;
        }
        break;
    case Qt::Key_Escape:
        // The first Escape ends the search; the next one is the window's.
        if (!text().isEmpty()) {
            clear();
            return;
        }
        break;
    default: break;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace ambrel
