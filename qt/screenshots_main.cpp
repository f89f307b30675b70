// SPDX-License-Identifier: GPL-3.0-or-later
// Developer tool: opens every window of the desktop program, types a sample
// entry the way a person would, and saves a picture of each window.
// Usage: ambrel-screenshots [--fit] DIR   (run under Xvfb, or with QT_QPA_PLATFORM=offscreen)
// With --fit it also fails (status 1) when a window does not fit the screen:
// part of it off the screen, a scroll bar sideways, or a main menu button out
// of view. Run it at the smallest screen Ambrel is made for.
#include "app/application.h"
#include "app/window_registry.h"
#include "framework/entry.h"
#include "qt/qt_platform.h"
#include "qt/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

using namespace ambrel;

// A sample entry per window, so the pictures show numbers.
struct Sample {
    const char* window;
    const char* outlet;
    const char* text;
};
constexpr Sample kSamples[] = {
    {"length", "FeetField", "1"},
    {"area", "SqAcre", "1"},
    {"velocity", "KiloHourField", "100"},
    {"pressure", "Atmosphere", "1"},
    {"temperature", "CelsiusField", "37"},
    {"time", "YearField", "1"},
    {"volume", "Igallon", "1"},
    {"weight", "AVpound", "1"},
    {"power-energy", "Pkilowatt", "1"},
    {"fuel-light", "MileGallonField", "30"},
    {"computing", "KilobyteField", "1"},
    {"file-transfer", "FileSize", "700"},
    {"proportion", "formA", "2"},
    {"power-weight", "Horsepower", "300"},
    {"angle", "DegreeField", "90"},
    {"frequency", "RevPerMinuteField", "3000"},
    {"force", "PoundForceField", "1"},
    {"torque", "PoundFootField", "100"},
    {"acceleration", "StandardGravityField", "1"},
    {"density", "GramPerCubicCmField", "1"},
    {"data-rate", "MegabitPerSecondField", "100"},
    {"flow", "LiterPerMinuteField", "10"},
    {"electricity", "MilliampereHourField", "3000"},
    {"radiation", "CurieField", "1"},
    {"viscosity", "CentipoiseField", "1"},
    {"magnetism", "MicroteslaField", "50"},
    {"substance", "MillimolePerLiterField", "5.5"},
    {"heat", "BtuPerPoundField", "1000"},
};

QWidget* widgetOf(Window* window)
{
    return static_cast<QtWindow*>(window)->widget();
}

// What keeps a shown window from fitting its screen; empty when it fits.
// A window may scroll down, never sideways; every button of the main menu
// must be in view.
QString unfit(QWidget* widget)
{
    const QRect screen = widget->screen()->availableGeometry();
    if (!screen.contains(widget->frameGeometry()))
        return QStringLiteral("%1x%2 at %3,%4 is not inside the screen's %5x%6")
            .arg(widget->frameGeometry().width())
            .arg(widget->frameGeometry().height())
            .arg(widget->frameGeometry().x())
            .arg(widget->frameGeometry().y())
            .arg(screen.width())
            .arg(screen.height());
    for (const QScrollArea* area : widget->findChildren<QScrollArea*>())
        if (area->isVisible() && area->horizontalScrollBar()->isVisible())
            return QStringLiteral("scrolls sideways");
    if (widget->objectName() == QLatin1String("MainMenuWindow"))
        for (const QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(widget))
                continue;
            const QRect at(button->mapTo(widget, QPoint(0, 0)), button->size());
            if (!widget->rect().contains(at))
                return QStringLiteral("the button \u201c%1\u201d is out of view").arg(button->text());
        }
    if (widget->size().width() < widget->minimumSizeHint().width())
        return QStringLiteral("narrower than its contents");
    return {};
}

bool checkFit = false;
int unfitWindows = 0;

void save(QWidget* widget, const QString& path)
{
    QApplication::processEvents();
    widget->grab().save(path);
    std::printf("%s %dx%d\n", qPrintable(path), widget->width(), widget->height());
    if (!checkFit)
        return;
    if (const QString why = unfit(widget); !why.isEmpty()) {
        std::fprintf(stderr, "does not fit: %s: %s\n", qPrintable(widget->windowTitle()), qPrintable(why));
        ++unfitWindows;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    // In the person's language, so that each language's layout can be seen.
    installTranslations();
    QStringList arguments = QApplication::arguments().mid(1);
    checkFit = arguments.removeAll(QStringLiteral("--fit")) > 0;
    const QString dir = arguments.isEmpty() ? QStringLiteral("screenshots") : arguments.first();
    QDir().mkpath(dir);

    QtPlatform platform;
    Application ambrel(platform);
    MenuObject& menu = ambrel.menu();
    menu.parts().accuracyField->setIntValue(4);
    menu.CloseInfoPanel();
    platform.mainMenuWidget()->show();
    save(platform.mainMenuWidget(), dir + QStringLiteral("/main-menu.png"));
    widgetOf(menu.parts().mainMenuWindow)->hide();

    for (const WindowEntry& entry : windowRegistry()) {
        WindowController* window = ambrel.controller(entry.className);
        if (entry.takesAccuracy())
            menu.perform(entry.openAction);
        else
            window->perform(entry.openAction);
        for (const Sample& s : kSamples)
            if (QLatin1String(s.window) == QLatin1String(entry.cliName))
                typeAndConfirm(platform, *window, window->fieldIndex(s.outlet), s.text);
        if (window->responds("Calc:") && !entry.takesAccuracy())
            window->perform("Calc:");
        QWidget* widget = widgetOf(window->parts().window);
        save(widget, dir + QLatin1Char('/') + QLatin1String(entry.cliName) + QStringLiteral(".png"));
        widget->close();
    }

    // A notebook, and the windows of the interface files.
    menu.ShowSummary();
    save(widgetOf(platform.notebookWindow()), dir + QStringLiteral("/notebook-summary.png"));
    ambrel.controller("TempObject")->perform("ShowNoteBook:");
    save(widgetOf(platform.notebookWindow()), dir + QStringLiteral("/notebook-temperature.png"));
    widgetOf(platform.notebookWindow())->close();
    const struct {
        const char* action;
        const char* window;
    } information[] = {{"WarrantyInfo:", "FirstRunWindow"},
                       {"IntroAndHelp:", "HelpIntroWindow"},
                       {"MoreInfo:", "MoreInfoWindow"},
                       {"OpenSIPrefixes:", "SIPrefixesWindow"}};
    for (const auto& info : information) {
        menu.perform(info.action);
        // Windows loaded from interface files delete themselves once closed,
        // and save() runs the event loop: a window of this list may be gone
        // by the time the loop reaches it, so each is held by a guard.
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            windows.append(w);
        for (const QPointer<QWidget>& w : windows)
            if (w && w->objectName() == QLatin1String(info.window) && w->isVisible()) {
                save(w, dir + QLatin1Char('/') + QLatin1String(info.window) + QStringLiteral(".png"));
                if (w)
                    w->close();
            }
    }
    if (checkFit)
        std::printf("%d windows do not fit\n", unfitWindows);
    return unfitWindows ? 1 : 0;
}
