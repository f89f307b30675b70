// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_platform.h"

#include "app/menu_object.h"
#include "framework/controller.h"
#include "framework/number_text.h"
#include "qt/form_window.h"
#include "qt/menu_windows.h"
#include "qt/on_demand.h"
#include "qt/on_demand_fallback.h"
#include "qt/printing.h"
#include "qt/qt_cells.h"
#include "qt/qt_text.h"
#include "qt/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#ifndef AMBREL_SOURCE_RESOURCES
#define AMBREL_SOURCE_RESOURCES ""
#endif
#ifndef AMBREL_INSTALLED_RESOURCES
#define AMBREL_INSTALLED_RESOURCES ""
#endif

namespace ambrel {

namespace {

// A resource name must name a file in its folder, nothing else.
bool isPlainName(std::string_view name)
{
    if (name.empty() || name.size() > 100)
        return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'))
            return false;
    return true;
}

}  // namespace

// --- windows ----------------------------------------------------------------

QWidget* QtWindow::built()
{
    if (!widget_ && make_)
        widget_ = std::exchange(make_, nullptr)();
    return widget_;
}

void QtWindow::center()
{
    if (!built())
        return;
    if (placer_ && !widget_->property("centered").toBool()) {
        placer_->place(widget_);
        return;
    }
    // A window given a size of its own keeps it; others fit their contents.
    if (!widget_->testAttribute(Qt::WA_Resized))
        widget_->adjustSize();
    QScreen* screen = widget_->screen() ? widget_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = widget_->frameGeometry();
    frame.moveCenter(area.center());
    widget_->move(frame.topLeft().x() < area.left() ? area.left() : frame.topLeft().x(),
                  frame.topLeft().y() < area.top() ? area.top() : frame.topLeft().y());
}

void QtWindow::makeKeyAndOrderFront()
{
    if (!built())
        return;
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void QtWindow::orderOut()
{
    if (widget_)
        widget_->hide();
}

void QtWindow::performClose()
{
    if (widget_)
        widget_->close();
}

void QtWindow::setTitle(std::string_view title)
{
    if (built())
        widget_->setWindowTitle(toQString(title));
}

std::string QtWindow::title() const
{
    return widget_ ? widget_->windowTitle().toStdString() : std::string();
}

bool QtWindow::isVisible() const
{
    return widget_ && widget_->isVisible();
}

void QtWindow::print()
{
    printWindow(built());
}

// --- platform ---------------------------------------------------------------

QtPlatform::QtPlatform()
{
    qApp->installEventFilter(&keyboard_);
}

bool QtPlatform::PlacementKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && !window->property("centered").toBool())
            placer_.remember(window);
    }
    return false;
}

QtPlatform::~QtPlatform()
{
    // The windows hold references to the controllers; they go first.
    for (auto& w : windows_)
        delete w->widget();
}

QString QtPlatform::resourceDir()
{
    const QByteArray env = qgetenv("AMBREL_RESOURCES");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/ambrel");
    if (QFileInfo::exists(installed + QStringLiteral("/ui")))
        return QDir::cleanPath(installed);
    const QString configured = QStringLiteral(AMBREL_INSTALLED_RESOURCES);
    if (!configured.isEmpty() && QFileInfo::exists(configured + QStringLiteral("/ui")))
        return configured;
    return QStringLiteral(AMBREL_SOURCE_RESOURCES);
}

QtWindow* QtPlatform::wrap(QWidget* widget)
{
    widget->installEventFilter(&keeper_);
    windows_.push_back(std::make_unique<QtWindow>(widget, &placer_));
    return windows_.back().get();
}

QtWindow* QtPlatform::wrapLater(std::function<QWidget*()> make)
{
    windows_.push_back(std::make_unique<QtWindow>(
        [this, make = std::move(make)] {
            QWidget* widget = make();
            widget->installEventFilter(&keeper_);
            return widget;
        },
        &placer_));
    return windows_.back().get();
}

void QtPlatform::scheduleTimer(double seconds, std::function<void()> action)
{
    // Tied to the platform, so a timer never outlives the controllers it calls.
    QTimer::singleShot(static_cast<int>(seconds * 1000), &timerContext_, std::move(action));
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::log(std::string_view line)
{
    qWarning().noquote() << toQString(line);
}

void QtPlatform::activateIgnoringOtherApps()
{
    // A desktop application comes to the front by showing its window.
}

BuiltWindow QtPlatform::buildWindow(const WindowPlan& plan, WindowController& owner)
{
    auto* form = new FormWindow(plan, owner, *this);
    form->setParts(wrap(form));
    return form->parts();
}

MenuParts QtPlatform::buildMenu(Controller& owner, const MenuPlan& plan)
{
    // The main menu is made when it is first shown or asked about: a start
    // shows the information panel or the licence first, which the person reads
    // before the menu appears. Its controls keep what they are given until then.
    std::array<MenuControl*, 3> controls{};
    for (MenuControl*& control : controls) {
        auto made = std::make_unique<MenuControl>([this] { mainMenuWidget(); });
        control = made.get();
        controls_.push_back(std::move(made));
    }
    mainMenuWindow_ = wrapLater([this, &owner, converters = plan.converters, controls] {
        auto* menu = new MainMenuWindow(owner, converters);
        placer_.setMainMenu(menu);
        controls[0]->attach(std::make_unique<QtSpinControl>(menu->accuracyField()));
        controls[1]->attach(std::make_unique<QtSliderControl>(menu->accuracySlider()));
        controls[2]->attach(std::make_unique<QtCheckControl>(menu->exactDefinitions()));
        return menu;
    });
    MenuParts parts;
    parts.mainMenuWindow = mainMenuWindow_;
    parts.accuracyField = controls[0];
    parts.accuracySlider = controls[1];
    parts.exactDefinitions = controls[2];
    parts.infoPanel = wrap(makeInfoPanel(owner));
    parts.bonusCalcsWindow =
        wrapLater([&owner, calculators = plan.calculators] { return makeBonusCalcsWindow(owner, calculators); });
    return parts;
}

QWidget* QtPlatform::mainMenuWidget()
{
    return mainMenuWindow_ ? mainMenuWindow_->built() : nullptr;
}

bool QtPlatform::loadInterface(std::string_view name, Controller& owner)
{
    if (!isPlainName(name))
        return false;
    QFile file(resourceDir() + QStringLiteral("/ui/") + toQString(name) + QStringLiteral(".ui"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The module is loaded here, when a form is first made, never ahead of
    // time. Without it (missing, or refused and logged once) the same file is
    // made from plain widgets.
    const OnDemandApi* onDemandParts = onDemand();
    QWidget* top = onDemandParts ? onDemandParts->loadForm(file) : nullptr;
    if (!top && file.seek(0))
        top = plainForm(file);
    if (!top)
        return false;
    top->setAttribute(Qt::WA_DeleteOnClose);
    // Texts may name the version and the home page: the installed manual.
    const std::optional<std::string> manual = pathForResource("index", "html");
    const QString homePageAddress = manual ? QUrl::fromLocalFile(QString::fromStdString(*manual)).toString()
                                           : QString::fromUtf8(MenuObject::homePage());
    const auto fill = [&homePageAddress](QString text) {
        return text.replace(QLatin1String("@VERSION@"), QCoreApplication::applicationVersion())
            .replace(QLatin1String("@HOMEPAGE@"), homePageAddress);
    };
    for (QLabel* label : top->findChildren<QLabel*>())
        if (label->text().contains(QLatin1Char('@')))
            label->setText(fill(label->text()));
    for (QTextBrowser* text : top->findChildren<QTextBrowser*>())
        if (text->toHtml().contains(QLatin1Char('@')))
            text->setHtml(fill(text->toHtml()));
    // Buttons name the owner's action they send in an "action" property; a
    // check box may send another one when it is cleared ("actionOff") and
    // start as a stored setting says ("setting"), or as the file has it when
    // nothing readable is stored.
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        const QString action = button->property("action").toString();
        const QString off = button->property("actionOff").toString();
        const QString setting = button->property("setting").toString();
        if (button->isCheckable() && !setting.isEmpty() && defaults().contains(setting.toStdString()))
            button->setChecked(defaults().boolForKey(setting.toStdString()));
        // A check box acts on every change of its state, however made (a
        // click, the space bar, an assistive tool's toggle); a button on a click.
        const auto send = [&owner, on = action.toStdString(), off = off.toStdString()](bool checked) {
            owner.perform(checked || off.empty() ? on : off);
        };
        if (!action.isEmpty())
            QObject::connect(button, button->isCheckable() ? &QAbstractButton::toggled : &QAbstractButton::clicked, top,
                             send);
    }
    owner.connectOutlet(top->objectName().toStdString(), wrap(top));
    if (top->property("showOnLoad").toBool()) {
        top->show();
        top->raise();
    }
    return true;
}

std::optional<std::string> QtPlatform::pathForResource(std::string_view name, std::string_view type)
{
    if (!isPlainName(name))
        return std::nullopt;
    if (type == "html") {
        const QString path = resourceDir() + QLatin1Char('/') + toQString(name) + QStringLiteral(".html");
        return QFileInfo::exists(path) ? std::optional(path.toStdString()) : std::nullopt;
    }
    if (type != "rtfd")
        return std::nullopt;
    // In the language of the program's texts where it has been translated;
    // in English otherwise.
    const QString folder = resourceDir() + QStringLiteral("/notebooks/");
    QStringList bases{folder + toQString(name)};
    if (uiLanguage() != QLatin1String("en"))
        bases.prepend(folder + uiLanguage() + QLatin1Char('/') + toQString(name));
    for (const QString& base : bases)
        for (const char* suffix : {".html", ".md"}) {
            const QString path = base + QLatin1String(suffix);
            if (QFileInfo::exists(path))
                return path.toStdString();
        }
    return std::nullopt;
}

Window* QtPlatform::notebookWindow()
{
    notebookView();
    return notebookWindow_;
}

NotebookView* QtPlatform::notebookView()
{
    if (!notebook_) {
        notebook_ = new QtNotebookWindow;
        notebookWindow_ = wrap(notebook_);
    }
    return notebook_;
}

Window* QtPlatform::keyWindow()
{
    QWidget* active = QApplication::activeWindow();
    for (auto& w : windows_)
        if (w->widget() && w->widget() == active)
            return w.get();
    return nullptr;
}

void QtPlatform::openURL(std::string_view address)
{
    const QString text = toQString(address);
    const QUrl url = text.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(text) : QUrl(text, QUrl::StrictMode);
    if (!url.isValid() || QDesktopServices::openUrl(url))
        return;
    // No browser could be started: say where the pages are, to open by hand.
    const QString dir = QDir::toNativeSeparators(resourceDir());
    auto* box = new QMessageBox(QMessageBox::Information, QCoreApplication::translate("QtPlatform", "No web browser"),
                                QCoreApplication::translate("QtPlatform", "No web browser could be started to show %1.")
                                    .arg(url.toDisplayString()),
                                QMessageBox::Ok, mainMenuWidget());
    box->setInformativeText(QCoreApplication::translate("QtPlatform",
                                                        "Ambrel's manual is %1, with the README beside it and "
                                                        "each window's notebook in %2. Open them in any browser "
                                                        "or text viewer.")
                                .arg(QDir::toNativeSeparators(dir + QStringLiteral("/index.html")),
                                     QDir::toNativeSeparators(dir + QStringLiteral("/notebooks"))));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setObjectName(QStringLiteral("NoBrowserMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

}  // namespace ambrel
