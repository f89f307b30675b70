// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/status_line.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace ambrel {

namespace {

// Quoted texts longer than this are shortened to their beginning.
constexpr qsizetype kLongestQuote = 20;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent)
{
    // Typed text is shown as typed, never read as markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(fontMetrics().height() + 2 * margin());
}

QSize StatusLine::sizeHint() const
{
    return {0, height()};
}

QSize StatusLine::minimumSizeHint() const
{
    return {0, height()};
}

QString StatusLine::oneLine() const
{
    QString line = text();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

bool StatusLine::isElided() const
{
    return fontMetrics().horizontalAdvance(oneLine()) > contentsRect().width();
}

QString StatusLine::quote(const QString& typed)
{
    if (typed.size() <= kLongestQuote)
        return typed;
    return tr("%1… (%2 characters)").arg(typed.left(kLongestQuote)).arg(typed.size());
}

bool StatusLine::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isElided())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void StatusLine::paintEvent(QPaintEvent* event)
{
    if (!isElided())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    style()->drawItemText(&painter, area, alignment(), palette(), isEnabled(),
                          fontMetrics().elidedText(oneLine(), Qt::ElideRight, area.width()), foregroundRole());
}

}  // namespace ambrel
