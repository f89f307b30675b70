// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window_placement.h"

#include "qt/form_window.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QVariant>
#include <algorithm>
#include <array>
#include <string>

namespace ambrel {

namespace {

// Before a window is first shown its frame is unknown; this is what window
// managers commonly add.
constexpr QMargins kAssumedFrame(4, 30, 4, 4);
// A window counts as on a screen when this much of its title bar shows.
constexpr int kVisibleTitle = 48;
constexpr int kCascadeStep = 32;

QMargins frameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (window->isVisible() && frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                frame.bottom() - inner.bottom()};
    return kAssumedFrame;
}

std::string key(const QString& name, const char* coordinate)
{
    return "Windows/" + name.toStdString() + "/" + coordinate;
}

QRect areaOf(const QWidget* window)
{
    QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Moves `frame` into `area` as far as it fits, its top-left corner first.
QPoint clampedInto(QRect frame, const QRect& area)
{
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    return frame.topLeft();
}

// The parts of `area` the menu leaves free: right of it, left of it, below
// and above, each as far as the area goes.
std::array<QRect, 4> stripsBeside(const QRect& menu, const QRect& area, int gap)
{
    return {QRect(QPoint(menu.right() + 1 + gap, area.top()), area.bottomRight()),
            QRect(area.topLeft(), QPoint(menu.left() - 1 - gap, area.bottom())),
            QRect(QPoint(area.left(), menu.bottom() + 1 + gap), area.bottomRight()),
            QRect(area.topLeft(), QPoint(area.right(), menu.top() - 1 - gap))};
}

}  // namespace

void fitWindowTo(QWidget* window, const QRect& area)
{
    const QMargins frame = frameOf(window);
    const QSize room = area.size().shrunkBy(frame);
    if (auto* form = dynamic_cast<FormWindow*>(window))
        form->reflow(room);
    if (window->layout())
        window->layout()->activate();
    // A window the person resized keeps its size, as long as it fits.
    // A size the window has from its last fitting is not the person's.
    const QVariant fitted = window->property("fittedSize");
    const bool personSized =
        window->testAttribute(Qt::WA_Resized) && (!fitted.isValid() || fitted.toSize() != window->size());
    const QSize wanted = personSized ? window->size() : window->sizeHint();
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSizeHint().boundedTo(room)));
    // A window taller than the room scrolls, and the scroll bar takes its
    // width from the boxes: widen the window by that much if there is room.
    if (auto* form = dynamic_cast<FormWindow*>(window); form && !personSized)
        window->resize(QSize(wanted.width() + form->scrollBarWidth(room), window->height()).boundedTo(room));
    window->setProperty("fittedSize", window->size());
}

std::optional<QRect> screenAreaShowing(const QRect& frame)
{
    const QRect title(frame.left(), frame.top(), frame.width(), kAssumedFrame.top());
    std::optional<QRect> best;
    int bestWidth = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const QRect shown = area.intersected(title);
        if (shown.width() >= std::min(kVisibleTitle, frame.width()) && shown.height() > 0 &&
            shown.width() > bestWidth) {
            best = area;
            bestWidth = shown.width();
        }
    }
    return best;
}

std::optional<QPoint> WindowPlacer::storedPosition(const QString& name) const
{
    if (name.isEmpty() || !defaults_.contains(key(name, "x")) || !defaults_.contains(key(name, "y")))
        return std::nullopt;
    const long long x = defaults_.integerForKey(key(name, "x"));
    const long long y = defaults_.integerForKey(key(name, "y"));
    // Beyond any screen there is: written by no one who ran Ambrel.
    constexpr long long kFar = 1 << 20;
    if (x < -kFar || x > kFar || y < -kFar || y > kFar)
        return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

void WindowPlacer::remember(QWidget* window)
{
    const QString name = window->objectName();
    if (name.isEmpty())
        return;
    const QPoint at = window->frameGeometry().topLeft();
    if (storedPosition(name) == at)
        return;
    defaults_.setInteger(key(name, "x"), at.x());
    defaults_.setInteger(key(name, "y"), at.y());
}

std::optional<QPoint> WindowPlacer::besideMainMenu(QWidget* window, const QRect& area)
{
    const QRect menu = mainMenu_->frameGeometry();
    const int step = kCascadeStep * (cascaded_ % 8);
    auto* form = dynamic_cast<FormWindow*>(window);
    // The window is laid out for each place it might go, but sized only for
    // the one it goes to: a window manager may keep an earlier size.
    const auto layOutFor = [&](const QRect& place) {
        const QSize room = place.size().shrunkBy(frameOf(window));
        if (form)
            form->reflow(room);
        return room;
    };
    for (const QRect& strip : stripsBeside(menu, area, 0)) {
        if (strip.width() < kVisibleTitle || strip.height() < kVisibleTitle)
            continue;
        const QSize room = layOutFor(strip);
        const QSize wanted = window->sizeHint();
        const bool wide = form ? form->boxesFitWidth(room) : wanted.width() <= room.width();
        // Beside the menu a window may scroll from top to bottom, as long as
        // it has the screen's whole height; never sideways.
        const bool tall = wanted.height() <= room.height() || strip.height() >= area.height();
        if (!wide || !tall)
            continue;
        fitWindowTo(window, strip);
        ++cascaded_;
        const QSize frame = window->size().grownBy(frameOf(window));
        return clampedInto(QRect(strip.topLeft() + QPoint(step, step), frame), strip);
    }
    return std::nullopt;
}

QPoint WindowPlacer::overMainMenu(const QSize& frame, const QRect& area)
{
    const QRect menu = mainMenu_->frameGeometry();
    const int step = kCascadeStep * (cascaded_++ % 8);
    // No room beside the menu: the window keeps to the far side of the screen
    // from it, so the menu shows as much as it can, each new one a step lower.
    const bool menuLeft = menu.center().x() <= area.center().x();
    const int x = menuLeft ? area.right() + 1 - frame.width() : area.left();
    return clampedInto(QRect(QPoint(x, menu.top() + step), frame), area);
}

void WindowPlacer::place(QWidget* window)
{
    place(window, areaOf(mainMenu_ ? mainMenu_.data() : window));
}

void WindowPlacer::place(QWidget* window, QRect area)
{
    const std::optional<QPoint> stored = storedPosition(window->objectName());
    std::optional<QRect> storedArea;
    if (stored) {
        // Sized for the screen it goes back to.
        storedArea = screenAreaShowing(QRect(*stored, window->frameGeometry().size()));
        if (storedArea)
            area = *storedArea;
    }
    if (!stored && window != mainMenu_ && mainMenu_ && mainMenu_->isVisible()) {
        if (const std::optional<QPoint> beside = besideMainMenu(window, area)) {
            window->move(*beside);
            return;
        }
    }
    fitWindowTo(window, area);
    const QSize frame = window->size().grownBy(frameOf(window));
    if (stored && (storedArea = screenAreaShowing(QRect(*stored, frame)))) {
        window->move(clampedInto(QRect(*stored, frame), *storedArea));
        return;
    }
    if (window != mainMenu_ && mainMenu_ && mainMenu_->isVisible()) {
        window->move(overMainMenu(frame, area));
        return;
    }
    // The menu starts at the left, which leaves the widest room beside it
    // for the windows it opens; anything else in the middle.
    QRect first(QPoint(), frame);
    first.moveCenter(area.center());
    if (window == mainMenu_)
        first.moveLeft(area.left() + kCascadeStep / 2);
    window->move(clampedInto(first, area));
}

}  // namespace ambrel
