// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into cells on the desktop: what they show reads back when typed, is
// never cut off unseen, and no refusal, paste or message resizes a window.
#include "gui_support.h"

#include <QRadioButton>

#include <limits>
#include <memory>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

QString toolTipOf(QWidget* widget)
{
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &hover);
    const QString tip = QToolTip::text();
    QToolTip::hideText();
    return tip;
}

}  // namespace

class LocaleRoundTrip : public ::testing::TestWithParam<QLocale::Language> {};

// What a cell shows, typed back, is taken as the same number: with the
// locale's separator, at fixed decimals and in scientific notation. The
// edited cell keeps the focus; a window's own accuracy lasts until the menu
// opens it again.
TEST_P(LocaleRoundTrip, WhatACellShowsReadsBackWhenTyped)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(GetParam(), GetParam() == QLocale::German ? QLocale::Germany : QLocale::AnyTerritory));
    const auto shown = [](const char* s) { return QString::fromLatin1(s).replace(u'.', QLocale().decimalPoint()); };
    Desktop d;
    QWidget* top = d.open("length");
    const auto typeBack = [&](const char* outlet, double stored) {
        typeInto(cellOf(top, outlet), cellOf(top, outlet)->text());
        EXPECT_TRUE(statusOf(top)->text().isEmpty()) << statusOf(top)->text().toStdString();
        EXPECT_EQ(cellOf(top, outlet)->doubleValue(), stored);
    };
    d.converter("LenghtObject").accuracyChange(3);
    typeInto(cellOf(top, "FeetField"), shown("1.5"));
    EXPECT_EQ(cellOf(top, "FeetField")->text(), shown("1.500"));  // "1.500" reads as a thousands group in German
    EXPECT_EQ(top->focusWidget(), cellOf(top, "FeetField"));
    typeBack("FeetField", 1.5);

    d.converter("LenghtObject").accuracyChange(99);
    typeInto(top, "ParsecField", "1000000");
    const double meters = cellOf(top, "MetersField")->doubleValue();
    EXPECT_TRUE(cellOf(top, "MetersField")->text().startsWith(shown("3.08567758149")));
    EXPECT_TRUE(cellOf(top, "MetersField")->text().endsWith(QStringLiteral("e+22")));
    typeBack("MetersField", meters);
    top->close();
    ASSERT_EQ(d.open("length"), top);
    EXPECT_EQ(cellOf(top, "MetersField")->text(), shown("3.0857e+22"));
    // The rates a choice lists are written as the cells write numbers.
    QStringList rates;
    for (const QRadioButton* rate : d.open("file-transfer")->findChildren<QRadioButton*>())
        rates << rate->text();
    EXPECT_TRUE(rates.contains(shown("1.544 Mbit/s (T1)"))) << rates.join(u'|').toStdString();
    QLocale::setDefault(previous);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleRoundTrip, ::testing::Values(QLocale::C, QLocale::German),
                         [](const auto& p) { return QLocale::languageToCode(p.param).toStdString(); });

// Tabbing through a window and pressing Enter to hear each value must not
// feed the rounded display back in: at 0 decimals a foot shows as "0".
TEST(Typing, EnterOnCellsNobodyTypedIntoKeepsEveryStoredValue)
{
    for (int accuracy : {0, 4})
        for (const WindowEntry& entry : windowRegistry()) {
            SCOPED_TRACE(std::string(entry.cliName) + " at " + std::to_string(accuracy));
            QtPlatform platform;
            // Both sets alike; the classic tables at 0 decimals show the most rounding.
            std::unique_ptr<WindowController> window = openWindow(entry, platform, accuracy, accuracy != 0);
            QWidget* top = topOf(*window);
            const QList<QtField*> cells = top->findChildren<QtField*>();
            // First an entry that leaves the other cells with long fractions.
            const auto typed =
                std::ranges::find_if(cells, [](QtField* c) { return !c->isTextCell() && !c->isReadOnly(); });
            ASSERT_NE(typed, cells.end());
            typeInto(*typed, QStringLiteral("3"));
            const std::vector<std::string> before = shownCells(top);
            for (QtField* cell : cells) {
                cell->setFocus();
                QTest::keyClick(cell, Qt::Key_Return);
                EXPECT_EQ(shownCells(top), before) << "after Enter on " << cell->objectName().toStdString();
            }
            top->close();
        }
}

// A refused entry far wider than the window, typed or pasted, leaves the
// window as it was; the note shows its beginning and keeps the rest.
TEST(Typing, ALongRefusalOrPasteLeavesTheWindowAsItWas)
{
    Desktop d;
    QWidget* top = d.open("length");
    StatusLine* note = statusOf(top);
    const QRect place = top->geometry();
    const int noteHeight = note->height();
    QtField* feet = cellOf(top, "FeetField");
    feet->setText(QString(5000, QLatin1Char('7')));
    feet->setModified(true);
    QTest::keyClick(feet, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(feet->holdsRefusedText());
    EXPECT_TRUE(note->text().contains(QStringLiteral("5000 characters)\u201D: too long")))
        << note->text().toStdString();
    EXPECT_EQ(top->geometry(), place);
    EXPECT_EQ(note->height(), noteHeight);

    // A paste longer than a cell takes is refused whole, never cut and read,
    // by the key and by the context menu alike; a short one goes in.
    QtField* meters = cellOf(top, "MetersField");
    const QString before = meters->text();
    for (const bool byMenu : {false, true}) {
        note->clear();
        QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('A')));
        if (QMenu* menu = byMenu ? contextMenuBy(meters, Qt::Key_Menu) : nullptr) {
            actionNamed(menu, QLineEdit::tr("&Paste"))->trigger();
            menu->close();
        } else {
            meters->setFocus();
            QTest::keySequence(meters, QKeySequence::Paste);
        }
        EXPECT_EQ(meters->text(), before);
        EXPECT_TRUE(note->text().contains(QStringLiteral("40000 characters"))) << byMenu;
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("2"));
    meters->selectAll();
    QTest::keySequence(meters, QKeySequence::Paste);
    EXPECT_EQ(meters->text(), QStringLiteral("2"));

    // A note too wide for the window shows its beginning, the whole in its tooltip.
    note->setText(QString(300, QLatin1Char('x')));
    EXPECT_TRUE(note->isElided());
    EXPECT_EQ(toolTipOf(note), QString(300, QLatin1Char('x')));
    QApplication::processEvents();
    EXPECT_EQ(top->geometry(), place);
}

// A cell narrower than its text shows the text's beginning and an ellipsis
// and holds the whole text in its tooltip, in every window, at every
// accuracy, for the widest numbers there are.
TEST(Typing, ACellNarrowerThanItsTextShowsItsBeginningAndTheWholeInItsTooltip)
{
    Desktop d;
    int elided = 0;
    for (const WindowEntry& entry : windowRegistry())
        for (Field* field : d.app.controller(entry.className)->parts().fields) {
            auto* cell = static_cast<QtField*>(field);
            if (cell->isTextCell())
                continue;
            for (const int accuracy : {0, 4, 16, 99})
                for (const double v :
                     {-123456789012345.6, -std::numeric_limits<double>::max(), -1.2345678901234567e-6}) {
                    cell->setFloatingPointFormat(false, 0, accuracy);
                    cell->setDoubleValue(v);
                    const QString tip = toolTipOf(cell);
                    elided += cell->isElided();
                    EXPECT_TRUE(!cell->isElided() || tip.startsWith(cell->text()))
                        << entry.cliName << " " << tip.toStdString();
                }
        }
    EXPECT_GT(elided, 0);  // the widest texts at 16 decimals are wider than any cell

    // At full precision the numbers a window commonly shows fit, and the
    // binary cell shows all 32 digits.
    QWidget* length = d.open("length");
    d.converter("LenghtObject").accuracyChange(99);
    typeInto(length, "FeetField", "1");
    for (const char* outlet : {"HectometerField", "ParsecField", "LightYearField"})
        EXPECT_FALSE(cellOf(length, outlet)->isElided()) << outlet;
    QWidget* computing = d.open("computing");
    typeInto(computing, "DecimalField", "-1");
    EXPECT_EQ(cellOf(computing, "BinaryField")->shownText(), QString(32, QLatin1Char('1')));
    EXPECT_FALSE(cellOf(computing, "BinaryField")->isElided());
}

// A result that is no number shows a dash and the note says why; the next
// result takes both away.
TEST(Typing, AResultThatIsNoNumberShowsADashAndWhy)
{
    Desktop d;
    QWidget* top = d.open("proportion");
    for (const auto& [outlet, text] : {std::pair{"formA", "2"}, {"formB", "0"}, {"formC", "3"}})
        typeInto(top, outlet, text);
    EXPECT_EQ(cellOf(top, "formx")->shownText(), QStringLiteral("\u2014"));
    EXPECT_TRUE(statusOf(top)->text().contains(QStringLiteral("B is 0"))) << statusOf(top)->text().toStdString();
    typeInto(top, "formB", "5");
    EXPECT_NE(cellOf(top, "formx")->shownText(), QStringLiteral("\u2014"));
    EXPECT_TRUE(statusOf(top)->text().isEmpty());
}
