// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into cells on the desktop: what they show reads back when typed, is
// never cut off unseen, and no refusal, paste or message resizes a window.
#include "framework/converter_window.h"
#include "gui_support.h"

#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QToolTip>

#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

ConverterWindow& converter(Desktop& d, const char* className)
{
    return *dynamic_cast<ConverterWindow*>(d.app.controller(className));
}

class WithLocale {
public:
    explicit WithLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~WithLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

QString toolTipOf(QWidget* widget)
{
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &hover);
    const QString tip = QToolTip::text();
    QToolTip::hideText();
    return tip;
}

// What every cell of a window holds: the double and its full text, or the
// text of a text cell.
std::vector<std::string> storedValues(WindowController& window)
{
    std::vector<std::string> values;
    for (Field* f : window.parts().fields) {
        auto* cell = static_cast<QtField*>(f);
        values.push_back(cell->isTextCell()
                             ? cell->stringValue()
                             : std::to_string(cell->doubleValue()) + " " + cell->fullValueText().toStdString());
    }
    return values;
}

}  // namespace

TEST(Typing, EnterConvertsKeepsTheFocusAndARefusalKeepsTheText)
{
    Desktop d;
    QWidget* top = d.open("length");
    typeInto(top, "FeetField", "1");
    EXPECT_EQ(cellOf(top, "InchesField")->text(), QStringLiteral("12.0000"));
    EXPECT_EQ(cellOf(top, "InchesField")->doubleValue(), 11.999976);
    EXPECT_EQ(cellOf(top, "FeetField")->text(), QStringLiteral("1.0000"));
    // The edited cell keeps the focus, ready for the next number.
    EXPECT_EQ(top->focusWidget(), cellOf(top, "FeetField"));

    typeInto(top, "YardsField", "12abc");
    EXPECT_EQ(cellOf(top, "YardsField")->text(), QStringLiteral("12abc"));
    EXPECT_EQ(cellOf(top, "MetersField")->text(), QStringLiteral("0.3048"));
    EXPECT_TRUE(statusOf(top)->text().contains(QStringLiteral("not a number"))) << statusOf(top)->text().toStdString();

    // A window's own accuracy reformats without converting; opened again
    // through the menu it shows the menu's, and still converts.
    converter(d, "LenghtObject").accuracyChange(2);
    EXPECT_EQ(cellOf(top, "MetersField")->text(), QStringLiteral("0.30"));
    top->close();
    QApplication::processEvents();
    ASSERT_EQ(d.open("length"), top);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(cellOf(top, "MetersField")->text(), QStringLiteral("0.3048"));
    typeInto(top, "MilesField", "1");
    EXPECT_EQ(cellOf(top, "MetersField")->text(), QStringLiteral("1609.3440"));
}

class LocaleRoundTrip : public ::testing::TestWithParam<QLocale::Language> {};

// What a cell shows, typed back, is taken as the same number: with the
// locale's separator, at fixed decimals and in scientific notation.
TEST_P(LocaleRoundTrip, WhatACellShowsReadsBackWhenTyped)
{
    const WithLocale locale{
        QLocale(GetParam(), GetParam() == QLocale::German ? QLocale::Germany : QLocale::AnyTerritory)};
    const QString sep = QLocale().decimalPoint();
    const auto shown = [&](const char* text) { return QString::fromLatin1(text).replace(QLatin1Char('.'), sep); };
    Desktop d;
    QWidget* top = d.open("length");
    ConverterWindow& length = converter(d, "LenghtObject");

    length.accuracyChange(3);
    typeInto(cellOf(top, "FeetField"), shown("1.5"));
    EXPECT_EQ(cellOf(top, "FeetField")->text(), shown("1.500"));  // "1.500" reads as a thousands group in German
    EXPECT_EQ(cellOf(top, "MetersField")->text(), shown("0.457"));
    typeInto(cellOf(top, "FeetField"), cellOf(top, "FeetField")->text());
    EXPECT_FALSE(cellOf(top, "FeetField")->holdsRefusedText()) << statusOf(top)->text().toStdString();
    EXPECT_EQ(cellOf(top, "FeetField")->doubleValue(), 1.5);

    length.accuracyChange(99);
    typeInto(top, "ParsecField", "1000000");
    EXPECT_EQ(cellOf(top, "MetersField")->text(), shown("3.086e+22"));
    EXPECT_EQ(cellOf(top, "FeetField")->text(), shown("1.0125166e+23"));
    typeInto(cellOf(top, "MetersField"), cellOf(top, "MetersField")->text());
    EXPECT_TRUE(statusOf(top)->text().isEmpty()) << statusOf(top)->text().toStdString();
    EXPECT_EQ(cellOf(top, "MetersField")->doubleValue(), 3.086e22);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleRoundTrip, ::testing::Values(QLocale::C, QLocale::German),
                         [](const auto& p) { return QLocale::languageToCode(p.param).toStdString(); });

// Tabbing through a window and pressing Enter to hear each value must not
// feed the rounded display back in: at 0 decimals a foot shows as "0".
TEST(Typing, EnterOnCellsNobodyTypedIntoKeepsEveryStoredValue)
{
    for (int accuracy : {0, 4}) {
        for (const WindowEntry& entry : windowRegistry()) {
            SCOPED_TRACE(std::string(entry.cliName) + " at " + std::to_string(accuracy));
            QtPlatform platform;
            std::unique_ptr<WindowController> window = openWindow(entry, platform, accuracy);
            std::vector<QtField*> editable;
            for (Field* f : window->parts().fields)
                if (auto* cell = static_cast<QtField*>(f); !cell->isReadOnly())
                    editable.push_back(cell);
            ASSERT_FALSE(editable.empty());
            // An entry that leaves the other cells with long fractions.
            for (QtField* cell : editable)
                if (!cell->isTextCell()) {
                    typeInto(cell, QStringLiteral("3"));
                    break;
                }
            const std::vector<std::string> before = storedValues(*window);
            for (QtField* cell : editable) {
                cell->setFocus();
                QTest::keyClick(cell, Qt::Key_Return);
                EXPECT_EQ(storedValues(*window), before) << "after Enter on " << cell->objectName().toStdString();
            }
            topOf(*window)->close();
        }
    }
}

// A refused entry far wider than the window, typed or pasted, leaves the
// window as it was; the note shows its beginning and keeps the rest.
TEST(Typing, ALongRefusalOrPasteLeavesTheWindowAsItWas)
{
    Desktop d;
    QWidget* top = d.open("length");
    StatusLine* note = statusOf(top);
    const QSize size = top->size();
    const QPoint place = top->pos();
    const int noteHeight = note->height();

    QtField* feet = cellOf(top, "FeetField");
    feet->setText(QString(5000, QLatin1Char('7')));
    feet->setModified(true);
    QTest::keyClick(feet, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(feet->holdsRefusedText());
    EXPECT_TRUE(note->text().contains(QStringLiteral("too long"))) << note->text().left(200).toStdString();
    EXPECT_TRUE(note->text().contains(QStringLiteral("5000 characters")));
    EXPECT_EQ(top->size(), size);
    EXPECT_EQ(top->pos(), place);
    EXPECT_EQ(note->height(), noteHeight);
    EXPECT_LE(top->minimumSizeHint().width(), size.width());

    // A paste longer than a cell takes is refused whole, never cut and read,
    // by the key and by the context menu alike.
    QtField* meters = cellOf(top, "MetersField");
    const QString before = meters->text();
    QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('A')));
    meters->setFocus();
    QTest::keySequence(meters, QKeySequence::Paste);
    EXPECT_EQ(meters->text(), before);
    EXPECT_TRUE(note->text().contains(QStringLiteral("40000 characters"))) << note->text().toStdString();
    note->clear();
    QMenu* menu = contextMenuBy(meters, Qt::Key_Menu);
    ASSERT_NE(menu, nullptr);
    QAction* paste = actionNamed(menu, QLineEdit::tr("&Paste"));
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(meters->text(), before);
    EXPECT_TRUE(note->text().contains(QStringLiteral("40000 characters"))) << note->text().toStdString();
    QGuiApplication::clipboard()->setText(QStringLiteral("2"));
    meters->selectAll();
    QTest::keySequence(meters, QKeySequence::Paste);
    EXPECT_EQ(meters->text(), QStringLiteral("2"));
    QApplication::processEvents();
    EXPECT_EQ(top->size(), size);

    // A note too wide for the window shows its beginning, the whole in its tooltip.
    note->setText(QString(300, QLatin1Char('x')));
    EXPECT_TRUE(note->isElided());
    EXPECT_EQ(toolTipOf(note), QString(300, QLatin1Char('x')));
    EXPECT_EQ(top->size(), size);
}

// A cell narrower than its text shows the text's beginning and an ellipsis
// and holds the whole text in its tooltip, in every window, at every
// accuracy, for the widest numbers there are.
TEST(Typing, ACellNarrowerThanItsTextShowsItsBeginningAndTheWholeInItsTooltip)
{
    Desktop d;
    const double widest[] = {-123456789012345.6, -std::numeric_limits<double>::max(), -1.2345678901234567e-6};
    int elided = 0;
    for (const WindowEntry& entry : windowRegistry())
        for (Field* field : d.app.controller(entry.className)->parts().fields) {
            auto* cell = dynamic_cast<QtField*>(field);
            if (!cell || cell->isTextCell())
                continue;
            for (const int accuracy : {0, 4, 16, 99})
                for (const double value : widest) {
                    cell->setFloatingPointFormat(false, 0, accuracy);
                    cell->setDoubleValue(value);
                    EXPECT_EQ(cell->cursorPosition(), 0) << entry.cliName;
                    const QString tip = toolTipOf(cell);
                    if (cell->isElided()) {
                        ++elided;
                        EXPECT_TRUE(tip.startsWith(cell->text())) << entry.cliName << " " << tip.toStdString();
                    }
                }
        }
    EXPECT_GT(elided, 0);  // the widest texts at 16 decimals are wider than any cell

    // At full precision the numbers a window commonly shows fit, and the
    // binary cell shows all 32 digits.
    QWidget* length = d.open("length");
    converter(d, "LenghtObject").accuracyChange(99);
    typeInto(length, "FeetField", "1");
    for (const char* outlet : {"HectometerField", "ParsecField", "LightYearField"})
        EXPECT_FALSE(cellOf(length, outlet)->isElided())
            << outlet << " " << cellOf(length, outlet)->text().toStdString();
    QWidget* computing = d.open("computing");
    typeInto(computing, "DecimalField", "-1");
    EXPECT_EQ(cellOf(computing, "BinaryField")->shownText(), QString(32, QLatin1Char('1')));
    EXPECT_FALSE(cellOf(computing, "BinaryField")->isElided());
}

// A result that is no number shows a dash and the note says why; the next
// result takes both away.
TEST(Typing, AResultThatIsNoNumberShowsADashAndWhy)
{
    struct Blank {
        const char* window;
        std::vector<std::pair<const char*, const char*>> entries;
        const char* result;
        const char* reason;
    };
    const Blank cases[] = {
        {"proportion", {{"formA", "2"}, {"formB", "0"}, {"formC", "3"}}, "formx", "B is 0"},
        {"interpolation", {{"formA", "1"}, {"formC", "1"}, {"formB", "2"}}, "formx", "A and C are equal"},
        {"power-weight", {{"Horsepower", "300"}, {"Weight", "0"}}, "Ratio", "the weight is 0"},
    };
    Desktop d;
    for (const Blank& c : cases) {
        SCOPED_TRACE(c.window);
        QWidget* top = d.open(c.window);
        for (const auto& [outlet, text] : c.entries)
            typeInto(top, outlet, text);
        EXPECT_EQ(cellOf(top, c.result)->shownText(), QStringLiteral("\u2014"));
        EXPECT_TRUE(statusOf(top)->text().contains(QString::fromLatin1(c.reason)))
            << statusOf(top)->text().toStdString();
        typeInto(top, c.entries[1].first, "5");
        EXPECT_NE(cellOf(top, c.result)->shownText(), QStringLiteral("\u2014"));
        EXPECT_TRUE(statusOf(top)->text().isEmpty());
    }
}

// The menu names the accuracies that show every digit, however they are set.
TEST(Typing, TheMenuNamesFullPrecision)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    auto* name = menu->findChild<QLabel*>(QStringLiteral("AccuracyName"));
    ASSERT_NE(name, nullptr);
    menu->findChild<QSpinBox*>(QStringLiteral("AccuracyField"))->setValue(16);
    EXPECT_EQ(name->text(), QString());
    menu->findChild<QSpinBox*>(QStringLiteral("AccuracyField"))->setValue(17);
    EXPECT_EQ(name->text(), QStringLiteral("Full precision"));
    d.menu.parts().accuracySlider->setIntValue(4);
    EXPECT_EQ(name->text(), QString());
}
