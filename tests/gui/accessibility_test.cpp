// SPDX-License-Identifier: GPL-3.0-or-later
// Every window can be read by assistive technology and works the same from
// the keyboard, the mouse and an assistive tool.
#include "gui_support.h"

#include <cstdio>
#include <functional>
#include <map>

using namespace ambrel;
using namespace ambrel::testing;

// What a screen reader announces: every window as a window, every cell,
// list, box and button by a name without a trailing colon.
TEST(Accessibility, EveryWindowIsAWindowAndEveryControlIsNamedWithoutAColon)
{
    Desktop d;
    // The menu's and the notebook's controls are Qt's own.
    for (QWidget* top : {d.platform.mainMenuWidget(), static_cast<QtWindow*>(d.platform.notebookWindow())->widget()})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(top)->role(), QAccessible::Window);
    for (const WindowEntry& entry : windowRegistry()) {
        QWidget* top = d.top(entry.className);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(top)->role(), QAccessible::Window) << entry.cliName;
        EXPECT_FALSE(top->windowTitle().isEmpty()) << top->objectName().toStdString();
        // A list's own name would be its current item; its label names it.
        for (QComboBox* list : top->findChildren<QComboBox*>())
            EXPECT_TRUE(std::ranges::any_of(top->findChildren<QLabel*>(), [&](QLabel* l) {
                return l->buddy() == list;
            })) << list->objectName().toStdString();
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QGroupBox*>(w))
                continue;
            // A spin box's line edit is part of the spin box.
            QWidget* stop = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ? w->parentWidget() : w;
            const QString name = QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || name.endsWith(QLatin1Char(':')))
                << top->objectName().toStdString() << ": " << w->objectName().toStdString() << " '"
                << name.toStdString() << "'";
        }
    }
}

// The alert raised with a refusal reaches only an active accessibility
// bridge, which offscreen runs lack; what it tells is checked here.
TEST(Accessibility, ARefusalDescribesTheCellUntilCorrected)
{
    Desktop d;
    QWidget* top = d.open("length");
    QtField* foot = cellOf(top, "FeetField");
    // An assistive tool sets the text rather than typing it; that is an entry too.
    foot->setFocus();
    QAccessible::queryAccessibleInterface(foot)->setText(QAccessible::Value, QStringLiteral("abc"));
    QTest::keyClick(foot, Qt::Key_Return);
    EXPECT_EQ(foot->text(), QStringLiteral("abc"));
    EXPECT_TRUE(foot->accessibleDescription().contains(QStringLiteral("not a number")));

    // Corrected, the cell describes its full value again; so does another
    // when the focus reaches it, and the cell left describes nothing, so
    // that an entry sends no description change for the cells it changes.
    typeInto(top, "FeetField", "1");
    EXPECT_EQ(foot->accessibleDescription(), QStringLiteral("1"));
    QtField* yard = cellOf(top, "YardsField");
    EXPECT_EQ(yard->accessibleDescription(), QString());
    yard->setFocus();
    EXPECT_EQ(yard->accessibleDescription(), QStringLiteral("0.3333333333333333"));
    EXPECT_EQ(foot->accessibleDescription(), QString());
}

// The prefix choice of the computing window relabels its cells and
// converts. A click (as the arrow keys give), setChecked and an assistive
// tool's toggle must all give the same cells.
TEST(Accessibility, EveryWayOfCheckingARadioButtonGivesTheSameCells)
{
    enum Way { Click, SetChecked, ToggleAction };
    Desktop desktops[3];
    QWidget* tops[3];
    QList<QRadioButton*> buttons[3];
    for (int way : {Click, SetChecked, ToggleAction}) {
        tops[way] = desktops[way].open("computing");
        typeInto(tops[way], "ByteField", "1000");
        buttons[way] =
            tops[way]->findChild<QGroupBox*>(QStringLiteral("BaseRadioSelection"))->findChildren<QRadioButton*>();
    }
    ASSERT_GE(buttons[Click].size(), 2);
    // Every button in turn, then the first again.
    for (qsizetype n = 1; n <= buttons[Click].size(); ++n) {
        const qsizetype i = n % buttons[Click].size();
        buttons[Click][i]->click();
        buttons[SetChecked][i]->setChecked(true);
        QAccessible::queryAccessibleInterface(buttons[ToggleAction][i])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        const std::vector<std::string> clicked = shownCells(tops[Click]);
        EXPECT_EQ(shownCells(tops[SetChecked]), clicked) << buttons[Click][i]->text().toStdString();
        EXPECT_EQ(shownCells(tops[ToggleAction]), clicked) << buttons[Click][i]->text().toStdString();
    }
}

TEST(Keyboard, EscapeClosesAnOpenListBeforeItClosesTheWindow)
{
    Desktop d;
    QWidget* top = d.open("file-transfer");
    auto* units = top->findChild<QComboBox*>(QStringLiteral("BytesSelPopup"));
    ASSERT_NE(units, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    const int unit = units->currentIndex();
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(units->currentIndex(), unit);

    QTest::keyClick(units, Qt::Key_Escape);
    EXPECT_FALSE(top->isVisible());
}

// Shift+F10 and the menu key open a cell's context menu, whose Copy works
// whenever Ctrl+C would, with nothing selected too.
TEST(Keyboard, TheContextMenuOpensFromTheKeyboardAndCopiesTheShownNumber)
{
    Desktop d;
    QtField* foot = cellOf(d.open("length"), "FeetField");
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
        foot->deselect();
        QMenu* menu = contextMenuBy(foot, key, modifiers);
        ASSERT_NE(menu, nullptr) << "key " << key;
        QAction* copy = actionNamed(menu, QLineEdit::tr("&Copy"));
        ASSERT_TRUE(copy && copy->isEnabled());
        QGuiApplication::clipboard()->clear();
        copy->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), foot->shownText());
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

namespace {

// What an assistive tool would be sent while it lives: each event and the
// object it tells of.
struct AccessibleEvents {
    static inline std::vector<std::pair<QObject*, QAccessible::Event>> seen;
    const bool wasActive = QAccessible::isActive();
    QAccessible::UpdateHandler previous;

    AccessibleEvents()
    {
        seen.clear();
        QAccessible::setActive(true);
        previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QObject* object = event->object();
            if (!object && event->accessibleInterface())
                object = event->accessibleInterface()->object();
            seen.emplace_back(object, event->type());
        });
    }
    ~AccessibleEvents()
    {
        QAccessible::installUpdateHandler(previous);
        QAccessible::setActive(wasActive);
    }
    // Qt sends none without a platform bridge, which offscreen runs lack;
    // under X with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 they are counted.
    static bool counted() { return QAccessible::isActive(); }
    std::map<QObject*, int> perObject() const
    {
        std::map<QObject*, int> count;
        for (const auto& [object, type] : seen)
            ++count[object];
        return count;
    }
};

// The notifications shown while it lives, by what they say: a widget that
// shows sends the event a screen reader speaks a notification on.
struct NotesShown : QObject {
    QStringList said;
    NotesShown() { qApp->installEventFilter(this); }
    ~NotesShown() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (QAccessibleInterface* note = QAccessible::queryAccessibleInterface(object);
                note && note->role() == QAccessible::Notification) {
                EXPECT_FALSE(note->state().invisible);
                said << note->text(QAccessible::Name);
            }
        return false;
    }
};

// What every cell of the shown windows shows and tells, and every window's title.
std::map<QObject*, QString> shownTexts()
{
    std::map<QObject*, QString> shown;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        shown[top] = top->windowTitle();
        // QtField has no meta-object of its own: findChildren<QtField*> would
        // give every line edit, the finder's too.
        for (QLineEdit* edit : top->findChildren<QLineEdit*>())
            if (auto* cell = dynamic_cast<QtField*>(edit))
                shown[cell] = cell->accessibleName() + QLatin1Char('\n') + cell->shownText() + QLatin1Char('\n') +
                    cell->accessibleDescription();
    }
    return shown;
}

// Runs `change` and checks that only the cells and titles it changed told of
// it, each once; says how many events that was.
// The cell typed into, if any, is left out: it tells of the person's own
// typing, its selection and its full value too.
std::size_t expectEventsForChangesOnly(const std::function<void()>& change, std::size_t* changedCells = nullptr,
                                       QObject* typedInto = nullptr)
{
    const std::map<QObject*, QString> before = shownTexts();
    // A rewrite moves the cursor even where the text stays, which is seen
    // without a bridge too.
    std::map<QObject*, int> moves;
    std::vector<QMetaObject::Connection> watch;
    for (const auto& [object, text] : before)
        if (auto* cell = dynamic_cast<QtField*>(object))
            watch.push_back(
                QObject::connect(cell, &QLineEdit::cursorPositionChanged, [&moves, cell] { ++moves[cell]; }));
    AccessibleEvents events;
    change();
    for (const QMetaObject::Connection& c : watch)
        QObject::disconnect(c);
    const std::map<QObject*, QString> after = shownTexts();
    for (const auto& [cell, count] : moves)
        EXPECT_NE(before.at(cell), after.at(cell)) << cell->objectName().toStdString() << " was rewritten";
    std::size_t changed = 0;
    std::size_t told = 0;
    for (const auto& [object, count] : events.perObject()) {
        // Other objects are the control that was used and what it opened.
        const auto was = before.find(object);
        if (was == before.end() || object == typedInto)
            continue;
        told += count;
        EXPECT_NE(was->second, after.at(object)) << object->objectName().toStdString() << " told of no change";
        std::string types;
        for (const auto& [source, type] : events.seen)
            if (source == object)
                types += ' ' + std::to_string(static_cast<int>(type));
        // Qt's line edit moves its cursor to the end of a new text: a text
        // of another length moves it, which is no news to the person.
        int news = 0;
        for (const auto& [source, type] : events.seen)
            news += source == object && type != QAccessible::TextCaretMoved;
        EXPECT_LE(news, 1) << object->objectName().toStdString() << ": events" << types;
        EXPECT_LE(count, 2) << object->objectName().toStdString() << ": events" << types;
    }
    for (const auto& [object, text] : before)
        changed += dynamic_cast<QtField*>(object) && object != typedInto && after.at(object) != text;
    if (changedCells)
        *changedCells = changed;
    return told;
}

}  // namespace

// A screen reader is told of each cell an entry changed, once, and of
// nothing else: cells whose shown text stays are not rewritten.
TEST(Accessibility, AnEntrySendsOneEventForEachCellItChangedAndNoOther)
{
    Desktop d;
    QWidget* top = d.open("length");
    QtField* foot = cellOf(top, "FeetField");
    typeInto(foot, QStringLiteral("1"));
    // Only the small units show the change at four decimals; then all do.
    for (const char* typed : {"1.00001", "3", "3"}) {
        foot->setFocus();
        foot->selectAll();
        QTest::keyClicks(foot, QString::fromLatin1(typed));
        std::size_t changed = 0;
        const std::size_t events =
            expectEventsForChangesOnly([&] { QTest::keyClick(foot, Qt::Key_Return); }, &changed, foot);
        if (AccessibleEvents::counted()) {
            EXPECT_LE(events, changed) << typed;
        }
    }
}

// The exact switch changes every open window's title and the cells whose
// numbers differ between the two table sets, and tells of nothing else.
TEST(Accessibility, TheExactSwitchTellsOnlyOfWhatItChanged)
{
    Desktop d;
    for (const WindowEntry& entry : windowRegistry())
        d.open(entry.cliName);
    typeInto(d.top("LenghtObject"), "MilesField", "1");
    d.menu.UseExactDefinitions();
    auto* exact = d.platform.mainMenuWidget()->findChild<QCheckBox*>(QStringLiteral("ExactDefinitions"));
    ASSERT_NE(exact, nullptr);
    for (int turn = 0; turn < 2; ++turn) {
        std::size_t changed = 0;
        const std::size_t events = expectEventsForChangesOnly([&] { exact->click(); }, &changed);
        EXPECT_GT(changed, 0U);
        if (AccessibleEvents::counted()) {
            EXPECT_LE(events, changed + windowRegistry().size());
        }
    }
}

// The exact switch acts on every change of its box, as an assistive tool's
// toggle makes it, and so does the licence window's box.
TEST(Accessibility, AnAssistiveToolsToggleOfTheExactBoxesSwitchesTheTables)
{
    Desktop d;
    QWidget* length = d.open("length");
    typeInto(length, "MilesField", "1");
    d.menu.UseExactDefinitions();
    auto* exact = d.platform.mainMenuWidget()->findChild<QCheckBox*>(QStringLiteral("ExactDefinitions"));
    ASSERT_TRUE(exact && exact->isChecked());
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(exact)->actionInterface();
    ASSERT_NE(actions, nullptr);
    for (const QString& action :
         {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()})
        for (const bool classic : {true, false}) {
            actions->doAction(action);
            // A press is an animated click, which lands a moment later.
            EXPECT_TRUE(QTest::qWaitFor([&] { return exact->isChecked() != classic; }));
            EXPECT_EQ(d.menu.exactDefinitions(), !classic) << action.toStdString();
            EXPECT_EQ(length->windowTitle(),
                      classic ? QStringLiteral("Length \u2014 classic tables") : QStringLiteral("Length"));
            EXPECT_EQ(cellOf(length, "FeetField")->doubleValue(), classic ? 5280.257664000001 : 5280);
        }

    // The licence window of a first start.
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
        Launch first;
        ASSERT_NE(first.menu.firstRunWindow(), nullptr);
        QWidget* licence = static_cast<QtWindow*>(first.menu.firstRunWindow())->widget();
        auto* box = licence->findChild<QCheckBox*>(QStringLiteral("exactDefinitions"));
        ASSERT_TRUE(box && box->isChecked());
        for (const bool classic : {true, false}) {
            QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
            EXPECT_EQ(first.menu.exactDefinitions(), !classic);
            EXPECT_EQ(first.exact()->isChecked(), !classic);
        }
    }
    qputenv("XDG_CONFIG_HOME", previous);
}

// Qt's AT-SPI bridge drops an alert, and a name or description change
// reaches a screen reader without its text; a notification that shows is
// spoken. Each refusal shows one afresh, the same refusal again too, and the
// focus stays in the cell.
TEST(Accessibility, ARefusalShowsANotificationOfItsReason)
{
    Desktop d;
    QWidget* top = d.open("length");
    QtField* foot = cellOf(top, "FeetField");
    for (const char* typed : {"abc", "abc", "1/0"}) {
        NotesShown notes;
        typeInto(foot, QString::fromLatin1(typed));
        EXPECT_EQ(notes.said, QStringList{statusOf(top)->text()}) << typed;
        EXPECT_TRUE(statusOf(top)->text().contains(QString::fromLatin1(typed))) << typed;
        EXPECT_TRUE(foot->hasFocus());
    }
}

// Every Tab stop of every window has a name to be called by, and what the
// person sets comes before what the window works out: no choice follows a
// result cell in the Tab order.
TEST(Accessibility, EveryTabStopIsNamedAndChoicesComeBeforeResults)
{
    Desktop d;
    std::vector<QWidget*> tops{d.platform.mainMenuWidget()};
    for (const WindowEntry& entry : windowRegistry())
        tops.push_back(d.open(entry.cliName));
    for (QWidget* top : tops) {
        top->activateWindow();
        QApplication::processEvents();
        bool resultSeen = false;
        QWidget* w = top;
        do {
            w = w->nextInFocusChain();
            if (w->window() != top || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            // A spin box's line edit is part of the spin box.
            QWidget* stop = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ? w->parentWidget() : w;
            const QString name = QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty())
                << top->objectName().toStdString() << ": " << w->metaObject()->className() << " "
                << w->objectName().toStdString() << " in " << w->parentWidget()->metaObject()->className();
            // A list of choices is named by its label, its chosen item being its value and its text.
            if (auto* list = qobject_cast<QComboBox*>(stop)) {
                QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(list);
                EXPECT_EQ(name.toStdString(), list->accessibleName().toStdString());
                EXPECT_NE(name.toStdString(), list->currentText().toStdString());
                EXPECT_EQ(shown->text(QAccessible::Value).toStdString(), list->currentText().toStdString());
                ASSERT_NE(shown->textInterface(), nullptr);
                EXPECT_EQ(shown->textInterface()->text(0, shown->textInterface()->characterCount()).toStdString(),
                          list->currentText().toStdString());
                EXPECT_EQ(shown->childCount(), 1);
            }
            auto* cell = dynamic_cast<QtField*>(w);
            resultSeen = resultSeen || (cell && cell->isReadOnly());
            EXPECT_FALSE(resultSeen && (qobject_cast<QComboBox*>(w) || qobject_cast<QRadioButton*>(w)))
                << top->objectName().toStdString() << ": " << name.toStdString() << " comes after a result";
        } while (w != top);
    }
}

// The keyboard's context menu says it opened: it has a name, and its first
// item takes the focus, as in a menu opened from a menu bar.
TEST(Accessibility, TheKeyboardsContextMenuIsNamedAndFocusesItsFirstItem)
{
    Desktop d;
    QtField* foot = cellOf(d.open("length"), "FeetField");
    AccessibleEvents events;
    QMenu* menu = contextMenuBy(foot, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(menu, nullptr);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(menu);
    EXPECT_TRUE(shown->text(QAccessible::Name).contains(foot->accessibleName()));
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_TRUE(menu->activeAction()->isEnabled());
    if (AccessibleEvents::counted()) {
        EXPECT_TRUE(std::ranges::any_of(events.seen, [&](const auto& event) {
            return event.first == menu && event.second == QAccessible::Focus;
        }));
    }
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The first start's panel is read as an alert with the program's name, and
// the menu's label has no colon to be read out.
TEST(Accessibility, TheInformationPanelIsAnAlertAndTheMenusLabelHasNoColon)
{
    Desktop d;
    QWidget* panel = shownWindow(QStringLiteral("InfoPanel"));
    if (!panel)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("InfoPanel"))
                panel = w;
    ASSERT_NE(panel, nullptr);
    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(panel);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), QStringLiteral("Ambrel"));
    EXPECT_GE(alert->childCount(), 3);

    for (QLabel* label : d.platform.mainMenuWidget()->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().endsWith(QLatin1Char(':'))) << label->text().toStdString();
}

// The finder's current match is told as it changes: the first one as soon
// as it is found, then each that Down or Up reaches.
TEST(Accessibility, TheFindersCurrentMatchIsToldFromTheFirst)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    auto* matches = menu->findChild<QListWidget*>(QStringLiteral("UnitMatches"));
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    finder->setFocus();
    {
        NotesShown notes;
        QTest::keyClicks(finder, QStringLiteral("3 fo"));
        ASSERT_GE(matches->count(), 2);
        ASSERT_FALSE(notes.said.isEmpty());
        EXPECT_EQ(notes.said.back(), matches->item(0)->text());
    }
    for (const auto& [key, row] : {std::pair{Qt::Key_Down, 1}, {Qt::Key_Up, 0}}) {
        NotesShown notes;
        QTest::keyClick(finder, key);
        EXPECT_EQ(matches->currentRow(), row);
        EXPECT_EQ(notes.said, QStringList{matches->item(row)->text()}) << row;
    }
    EXPECT_EQ(QApplication::focusWidget(), finder);
}
