// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/spoken_note.h"

#include "qt/accessible_role.h"

namespace ambrel {

SpokenNote::SpokenNote(QWidget* parent) : QWidget(parent)
{
    setAccessibleRole(this, QAccessible::Notification);
    setObjectName(QStringLiteral("SpokenNote"));
    // Outside any layout and of no size: it takes no room and no clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
}

void SpokenNote::say(const QString& text)
{
    hide();
    setAccessibleName(text);
    if (parentWidget() && parentWidget()->isVisible())
        show();
}

}  // namespace ambrel
