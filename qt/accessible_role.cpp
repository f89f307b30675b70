// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace ambrel {

namespace {

constexpr const char* kRoleProperty = "ambrelAccessibleRole";

QAccessibleInterface* roleFor(const QString&, QObject* object)
{
    const QVariant role = object && object->isWidgetType() ? object->property(kRoleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFor);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

}  // namespace ambrel
