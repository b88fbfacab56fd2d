#include "ribbon/controls/ribbonbutton.h"

#include "ribbon/controls/hoverhelp.h"

#include <QPointer>

namespace Tagovnik::Ribbon {

RibbonButton::RibbonButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

Palette::ButtonState RibbonButton::visualState() const
{
    using Palette::ButtonState;
    if (isDown() || showsPressed())
        return ButtonState::Pressed;
    if (isEnabled() && (underMouse() || m_keyboardCurrent))
        return ButtonState::Hot;
    return ButtonState::Normal;
}

void RibbonButton::setKeyboardCurrent(bool current)
{
    if (current == m_keyboardCurrent)
        return;
    m_keyboardCurrent = current;
    update();
}

bool RibbonButton::event(QEvent *event)
{
    return isHoverHelp(event) || QAbstractButton::event(event);
}

void RibbonButton::mousePressEvent(QMouseEvent *event)
{
    withLaterRepaint([&] { QAbstractButton::mousePressEvent(event); });
}

void RibbonButton::mouseReleaseEvent(QMouseEvent *event)
{
    withLaterRepaint([&] { QAbstractButton::mouseReleaseEvent(event); });
}

// QAbstractButton repaints itself at once on the press and again on the release,
// before it reports the click. In a window the web engine composes, each of those
// repaints is a whole frame of the window, so a click would wait two frames for
// its command. The button's new look comes with the next frame instead.
void RibbonButton::withLaterRepaint(const std::function<void()> &handle)
{
    if (!updatesEnabled()) {
        handle();
        return;
    }
    const QPointer<RibbonButton> self(this);
    setUpdatesEnabled(false);
    handle();
    // Enabling schedules the repaint; the command may have deleted the button.
    if (self)
        setUpdatesEnabled(true);
}

} // namespace Tagovnik::Ribbon
