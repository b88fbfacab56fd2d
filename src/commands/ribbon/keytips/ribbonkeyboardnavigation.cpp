#include "ribbon/keytips/ribbonkeyboardnavigation.h"

#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/keytips/keyboardfocusmark.h"

#include <QApplication>
#include <QKeyEvent>

namespace Tagovnik::Ribbon {

RibbonKeyboardNavigation::RibbonKeyboardNavigation(QWidget &ribbon,
                                                   QAbstractButton *applicationButton)
    : QObject(&ribbon), m_ribbon(ribbon), m_applicationButton(applicationButton)
{
    connect(qApp, &QApplication::focusChanged, this, &RibbonKeyboardNavigation::focusChanged);
}

RibbonKeyboardNavigation::~RibbonKeyboardNavigation()
{
    delete m_mark;
}

QWidget *RibbonKeyboardNavigation::current() const
{
    return m_current;
}

QList<QAbstractButton *> RibbonKeyboardNavigation::ring() const
{
    QList<QAbstractButton *> ring;
    if (m_applicationButton && m_applicationButton->isVisible())
        ring.append(m_applicationButton);
    for (RibbonTabButton *tab :
         m_ribbon.findChildren<RibbonTabButton *>(Qt::FindDirectChildrenOnly)) {
        if (tab->isVisible() && tab->isEnabled())
            ring.append(tab);
    }
    return ring;
}

bool RibbonKeyboardNavigation::start(int step, QWidget *returnFocus)
{
    const QList<QAbstractButton *> controls = ring();
    if (controls.isEmpty())
        return false;
    m_returnFocus = returnFocus;
    // The walk begins at the selected tab, or at the application button when none is.
    QAbstractButton *from = controls.first();
    for (QAbstractButton *control : controls) {
        if (control != m_applicationButton && control->isChecked())
            from = control;
    }
    m_current = from;
    move(step);
    Q_EMIT activeChanged(true);
    return true;
}

void RibbonKeyboardNavigation::move(int step)
{
    const QList<QAbstractButton *> controls = ring();
    if (controls.isEmpty()) {
        end(true);
        return;
    }
    const qsizetype at = controls.indexOf(m_current.data());
    const qsizetype count = controls.size();
    const qsizetype next = at < 0 ? 0 : ((at + step) % count + count) % count;
    moveTo(controls.at(next));
}

void RibbonKeyboardNavigation::moveTo(QAbstractButton *control)
{
    m_moving = true;
    // A tab is selected as the focus reaches it.
    if (control != m_applicationButton && !control->isChecked())
        control->click();
    m_current = control;
    control->setFocus(Qt::TabFocusReason);
    m_moving = false;
    delete m_mark;
    m_mark = new KeyboardFocusMark(*control, control == m_applicationButton);
}

bool RibbonKeyboardNavigation::takesKey(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

bool RibbonKeyboardNavigation::handleKey(const QKeyEvent &key)
{
    if (!isActive() || !takesKey(key))
        return false;
    // The arrows keep their direction in a ribbon that reads right to left.
    const int forward = m_ribbon.layoutDirection() == Qt::RightToLeft ? -1 : 1;
    switch (key.key()) {
    case Qt::Key_Left:
        move(-forward);
        break;
    case Qt::Key_Right:
        move(forward);
        break;
    case Qt::Key_Escape:
        end(true);
        break;
    default:
        // Enter and Space open the application menu; on a tab, which is selected already,
        // they do nothing more.
        if (m_current == m_applicationButton) {
            QPointer<QAbstractButton> button = m_applicationButton;
            // The menu gives the focus back, when it closes, to the control that had it.
            end(true);
            if (button)
                button->click();
        }
        break;
    }
    return true;
}

void RibbonKeyboardNavigation::end(bool restoreFocus)
{
    if (!isActive())
        return;
    m_current = nullptr;
    delete m_mark;
    const QPointer<QWidget> returnFocus = std::exchange(m_returnFocus, nullptr);
    if (restoreFocus) {
        m_moving = true;
        if (returnFocus)
            returnFocus->setFocus(Qt::OtherFocusReason);
        else
            m_ribbon.window()->setFocus(Qt::OtherFocusReason);
        m_moving = false;
    }
    Q_EMIT activeChanged(false);
}

void RibbonKeyboardNavigation::focusChanged(QWidget *, QWidget *now)
{
    // A pop-up (the application menu) borrows the focus and gives it back.
    if (!isActive() || m_moving || now == m_current || QApplication::activePopupWidget())
        return;
    // The window losing the keyboard keeps the focus for the control that had it, for when the
    // window comes back; anything else taking the focus keeps it.
    end(now == nullptr);
}

} // namespace Tagovnik::Ribbon
