// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window_placement.h"

#include "qt/form_window.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>
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
    const QSize wanted = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSizeHint().boundedTo(room)));
    // A window taller than the room scrolls, and the scroll bar takes its
    // width from the boxes: widen the window by that much if there is room.
    if (auto* form = dynamic_cast<FormWindow*>(window); form && form->boxesOverflow() > 0)
        window->resize(QSize(window->width() + form->boxesOverflow(), window->height()).boundedTo(room));
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

QPoint WindowPlacer::besideMainMenu(const QSize& frame, const QRect& area)
{
    const QRect menu = mainMenu_->frameGeometry();
    const int step = kCascadeStep * (cascaded_++ % 8);
    const int gap = kCascadeStep / 2;
    // Right of the menu, left of it, below, above: the first place where the
    // window covers the least of the menu, each new window a step further.
    const QPoint candidates[] = {
        {menu.right() + 1 + gap + step, menu.top() + step},
        {menu.left() - gap - frame.width() - step, menu.top() + step},
        {menu.left() + step, menu.bottom() + 1 + gap + step},
        {menu.left() + step, menu.top() - gap - frame.height() - step},
        menu.topLeft() + QPoint(kCascadeStep + step, kCascadeStep + step),
    };
    QPoint best;
    long long leastCovered = -1;
    for (const QPoint& at : candidates) {
        const QPoint placed = clampedInto(QRect(at, frame), area);
        const QRect covered = QRect(placed, frame).intersected(menu);
        const long long size = covered.isEmpty() ? 0 : 1LL * covered.width() * covered.height();
        if (leastCovered < 0 || size < leastCovered) {
            best = placed;
            leastCovered = size;
        }
    }
    return best;
}

void WindowPlacer::place(QWidget* window)
{
    QRect area = areaOf(mainMenu_ ? mainMenu_.data() : window);
    const std::optional<QPoint> stored = storedPosition(window->objectName());
    std::optional<QRect> storedArea;
    if (stored) {
        // Sized for the screen it goes back to.
        storedArea = screenAreaShowing(QRect(*stored, window->frameGeometry().size()));
        if (storedArea)
            area = *storedArea;
    }
    fitWindowTo(window, area);
    const QSize frame = window->size().grownBy(frameOf(window));
    if (stored && (storedArea = screenAreaShowing(QRect(*stored, frame)))) {
        window->move(clampedInto(QRect(*stored, frame), *storedArea));
        return;
    }
    if (window != mainMenu_ && mainMenu_ && mainMenu_->isVisible()) {
        window->move(besideMainMenu(frame, area));
        return;
    }
    QRect centred(QPoint(), frame);
    centred.moveCenter(area.center());
    window->move(clampedInto(centred, area));
}

}  // namespace ambrel
