// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessible_role.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>
#include <QWidget>

namespace ambrel {

namespace {

constexpr const char* kRoleProperty = "ambrelAccessibleRole";
constexpr const char* kNamedListProperty = "ambrelNamedList";

// A combo box as Qt presents it, but named as the person sees it labelled;
// its item list is its child, as in Qt's own. The chosen item is its text,
// which is where a screen reader looks for a combo box's value when the
// list offers no selection to ask.
class NamedChoiceList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedChoiceList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }

    // The chosen item's text, read only.
    QString text(int start, int end) const override { return list()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* roleFor(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (object->property(kNamedListProperty).toBool())
        if (auto* list = qobject_cast<QComboBox*>(object))
            return new NamedChoiceList(list);
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFor);
        return true;
    }();
    (void)installed;
}

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    installFactory();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void nameChoiceListByItsLabel(QComboBox* list)
{
    installFactory();
    list->setProperty(kNamedListProperty, true);
}

}  // namespace ambrel
