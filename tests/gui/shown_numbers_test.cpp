// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers on screen read back when typed, are never cut off unseen, and no
// message or paste changes a window's size.
#include "app/application.h"
#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "qt/qt_cells.h"
#include "qt/qt_platform.h"
#include "qt/status_line.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <limits>

using namespace ambrel;

namespace {

// The length window on the desktop, opened through the menu.
struct LengthWindow {
    QtPlatform platform;
    Application app{platform};
    ConverterWindow* length = nullptr;
    QWidget* top = nullptr;

    LengthWindow()
    {
        app.menu().parts();
        app.menu().OpenLenghtWindow();
        length = dynamic_cast<ConverterWindow*>(app.controller("LenghtObject"));
        top = static_cast<QtWindow*>(length->parts().window)->widget();
        QApplication::processEvents();
    }
    ~LengthWindow() { top->close(); }

    QtField* cell(const char* outlet) const { return top->findChild<QtField*>(QString::fromLatin1(outlet)); }
    StatusLine* status() const { return top->findChild<StatusLine*>(QStringLiteral("StatusLine")); }
    // Types `text` over what the cell holds and presses Enter.
    void type(const char* outlet, const QString& text) const
    {
        QtField* c = cell(outlet);
        c->setFocus();
        c->selectAll();
        QTest::keyClicks(c, text);
        QTest::keyClick(c, Qt::Key_Return);
    }
};

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

}  // namespace

class LocaleRoundTrip : public ::testing::TestWithParam<QLocale::Language> {};

// What a cell shows, typed back, is taken as the same number: with the
// locale's separator, at fixed decimals and in scientific notation.
TEST_P(LocaleRoundTrip, WhatACellShowsReadsBackWhenTyped)
{
    const WithLocale locale{
        QLocale(GetParam(), GetParam() == QLocale::German ? QLocale::Germany : QLocale::AnyTerritory)};
    const QString sep = QLocale().decimalPoint();
    LengthWindow w;
    const auto shown = [&](const char* text) { return QString::fromLatin1(text).replace(QLatin1Char('.'), sep); };

    w.length->accuracyChange(3);
    w.type("FeetField", shown("1.5"));
    EXPECT_EQ(w.cell("FeetField")->text(), shown("1.500"));  // "1.500" reads as a thousands group in German
    EXPECT_EQ(w.cell("MetersField")->text(), shown("0.457"));
    w.type("FeetField", w.cell("FeetField")->text());
    EXPECT_FALSE(w.cell("FeetField")->holdsRefusedText()) << w.status()->text().toStdString();
    EXPECT_EQ(w.length->field("FeetField")->doubleValue(), 1.5);

    w.length->accuracyChange(99);
    w.type("ParsecField", QStringLiteral("1000000"));
    EXPECT_EQ(w.cell("MetersField")->text(), shown("3.086e+22"));
    EXPECT_EQ(w.cell("FeetField")->text(), shown("1.0125166e+23"));
    w.type("MetersField", w.cell("MetersField")->text());
    EXPECT_TRUE(w.status()->text().isEmpty()) << w.status()->text().toStdString();
    EXPECT_EQ(w.length->field("MetersField")->doubleValue(), 3.086e22);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleRoundTrip, ::testing::Values(QLocale::C, QLocale::German),
                         [](const auto& p) { return QLocale::languageToCode(p.param).toStdString(); });

// A refused entry far wider than the window, typed or pasted, leaves the
// window as it was; the note shows its beginning and keeps the rest.
TEST(ShownNumbers, ALongRefusalOrPasteLeavesTheWindowAsItWas)
{
    LengthWindow w;
    const QSize size = w.top->size();
    const QPoint place = w.top->pos();
    const int noteHeight = w.status()->height();

    QtField* feet = w.cell("FeetField");
    feet->setText(QString(5000, QLatin1Char('7')));
    feet->setModified(true);
    QTest::keyClick(feet, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(feet->holdsRefusedText());
    EXPECT_TRUE(w.status()->text().contains(QStringLiteral("too long"))) << w.status()->text().left(200).toStdString();
    EXPECT_TRUE(w.status()->text().contains(QStringLiteral("5000 characters")));
    EXPECT_EQ(w.top->size(), size);
    EXPECT_EQ(w.top->pos(), place);
    EXPECT_EQ(w.status()->height(), noteHeight);
    EXPECT_LE(w.top->minimumSizeHint().width(), size.width());

    // A paste longer than a cell takes is refused whole, never cut and read.
    QtField* meters = w.cell("MetersField");
    meters->setFocus();
    const QString before = meters->text();
    QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('A')));
    QTest::keySequence(meters, QKeySequence::Paste);
    EXPECT_EQ(meters->text(), before);
    EXPECT_TRUE(w.status()->text().contains(QStringLiteral("40000 characters"))) << w.status()->text().toStdString();
    // The context menu's paste is held to the same length.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), meters->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(meters, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* pasteAction = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QStringLiteral("&Paste")))
            pasteAction = action;
    ASSERT_NE(pasteAction, nullptr);
    w.status()->clear();
    pasteAction->trigger();
    menu->close();
    EXPECT_EQ(meters->text(), before);
    EXPECT_TRUE(w.status()->text().contains(QStringLiteral("40000 characters"))) << w.status()->text().toStdString();
    QGuiApplication::clipboard()->setText(QStringLiteral("2"));
    meters->selectAll();
    QTest::keySequence(meters, QKeySequence::Paste);
    EXPECT_EQ(meters->text(), QStringLiteral("2"));
    QApplication::processEvents();
    EXPECT_EQ(w.top->size(), size);

    // A note too wide for the window shows its beginning, the whole in its tooltip.
    w.status()->setText(QString(300, QLatin1Char('x')));
    EXPECT_TRUE(w.status()->isElided());
    EXPECT_EQ(toolTipOf(w.status()), QString(300, QLatin1Char('x')));
    EXPECT_EQ(w.top->size(), size);
}

// A cell narrower than its text shows the text's beginning and an ellipsis
// and holds the whole text in its tooltip, in every window, at every
// accuracy, for the widest numbers there are.
TEST(ShownNumbers, ACellNarrowerThanItsTextShowsItsBeginningAndTheWholeInItsTooltip)
{
    QtPlatform platform;
    Application app(platform);
    const double widest[] = {-123456789012345.6, -std::numeric_limits<double>::max(), -1.2345678901234567e-6};
    int elided = 0;
    for (const WindowEntry& entry : windowRegistry()) {
        WindowController* window = app.controller(entry.className);
        for (Field* field : window->parts().fields) {
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
    }
    EXPECT_GT(elided, 0);  // the widest texts at 16 decimals are wider than any cell

    // At full precision the numbers a window commonly shows fit.
    LengthWindow w;
    w.length->accuracyChange(99);
    w.type("FeetField", QStringLiteral("1"));
    for (const char* outlet : {"HectometerField", "ParsecField", "LightYearField"})
        EXPECT_FALSE(w.cell(outlet)->isElided()) << outlet << " " << w.cell(outlet)->text().toStdString();
}

// The menu names the accuracies that show every digit, however they are set.
TEST(ShownNumbers, TheMenuNamesFullPrecision)
{
    QtPlatform platform;
    Application app(platform);
    app.menu().parts();
    QWidget* menu = platform.mainMenuWidget();
    auto* name = menu->findChild<QLabel*>(QStringLiteral("AccuracyName"));
    ASSERT_NE(name, nullptr);
    menu->findChild<QSpinBox*>(QStringLiteral("AccuracyField"))->setValue(16);
    EXPECT_EQ(name->text(), QString());
    menu->findChild<QSpinBox*>(QStringLiteral("AccuracyField"))->setValue(17);
    EXPECT_EQ(name->text(), QStringLiteral("Full precision"));
    app.menu().parts().accuracySlider->setIntValue(4);
    EXPECT_EQ(name->text(), QString());
}
