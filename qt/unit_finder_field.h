// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's search field for units: matches show in a list as the
// person types; Enter or a click opens the unit's window at its field.
#pragma once

#include "app/unit_finder.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <functional>
#include <vector>

class QListWidget;

namespace ambrel {

class MenuObject;
class SpokenNote;

class UnitFinderField : public QLineEdit {
    Q_DECLARE_TR_FUNCTIONS(UnitFinderField)

public:
    // `list` shows the matches; `showList` is told when there is something
    // to show in it.
    UnitFinderField(MenuObject& menu, QListWidget* list, std::function<void(bool)> showList, QWidget* parent = nullptr);

    // Opens the match in row `row` of the list; false if there is none.
    bool openMatch(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    // Tells a screen reader which match is current.
    void tellCurrent();

    MenuObject& menu_;
    QListWidget* list_;
    std::function<void(bool)> showList_;
    std::vector<UnitMatch> matches_;
    std::string number_;
    SpokenNote* spoken_;
    QString told_;  // the match last told
};

}  // namespace ambrel
