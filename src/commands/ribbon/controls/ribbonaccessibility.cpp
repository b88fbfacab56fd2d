#include "ribbon/controls/ribbonaccessibility.h"

#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/controls/ribbontabbutton.h"

#include <QAccessibleWidget>

namespace Tagovnik::Ribbon {

namespace {

// A clickable ribbon control with a role of its own; it can be pressed.
class AccessibleRibbonControl : public QAccessibleWidget
{
public:
    AccessibleRibbonControl(QAbstractButton *button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    {
    }

    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return button()->accessibleName();
        if (kind == QAccessible::Accelerator)
            return keyTip();
        return QAccessibleWidget::text(kind);
    }

    // The keys that reach the control through key tips, as its keyboard shortcut.
    QString keyTip() const { return button()->property(kAccessibleKeyTipProperty).toString(); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (button()->isCheckable()) {
            state.checkable = true;
            state.checked = button()->isChecked();
            state.selected = button()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && !keyTip().isEmpty())
            return {keyTip()};
        return {};
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->click();
    }
};

QAccessibleInterface *ribbonAccessibleFactory(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    if (auto *tab = qobject_cast<RibbonTabButton *>(object))
        return new AccessibleRibbonControl(tab, QAccessible::PageTab);
    if (auto *entry = qobject_cast<RibbonEntryButton *>(object);
        entry && entry->kind() == RibbonEntryButton::Kind::ApplicationMenu)
        return new AccessibleRibbonControl(entry, QAccessible::MenuItem);
    // Marked one by one, or all the buttons of a pop-up at once (before they are made).
    if (auto *button = qobject_cast<QAbstractButton *>(object);
        button && (button->property("ribbonMenuItem").toBool() ||
                   (button->parent() && button->parent()->property("ribbonMenuItems").toBool())))
        return new AccessibleRibbonControl(button, QAccessible::MenuItem);
    // Entries and the application button, which key tips reach, are plain buttons.
    if (auto *entry = qobject_cast<RibbonEntryButton *>(object))
        return new AccessibleRibbonControl(entry, QAccessible::Button);
    if (auto *button = qobject_cast<QAbstractButton *>(object);
        button && button->property(kAccessibleKeyTipProperty).isValid())
        return new AccessibleRibbonControl(button, QAccessible::Button);
    return nullptr;
}

} // namespace

void setAccessibleKeyTip(QWidget *control, const QString &keys)
{
    if (!control)
        return;
    const bool first = !control->property(kAccessibleKeyTipProperty).isValid();
    control->setProperty(kAccessibleKeyTipProperty, keys);
    // A control that had its interface before it had key tips gets one that tells them.
    if (first) {
        if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            accessible && !dynamic_cast<AccessibleRibbonControl *>(accessible))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
    }
}

void installRibbonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ribbonAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Tagovnik::Ribbon
