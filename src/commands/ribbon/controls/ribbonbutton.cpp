#include "ribbon/controls/ribbonbutton.h"

#include "ribbon/controls/hoverhelp.h"

#include <QPointer>

namespace Tagovnik::Ribbon {

RibbonButton::RibbonButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    m_pressedLook.setSingleShot(true);
    m_pressedLook.setTimerType(Qt::PreciseTimer);
    m_pressedLook.setInterval(pressedLookDelayMs);
    connect(&m_pressedLook, &QTimer::timeout, this, [this] { setUpdatesEnabled(true); });
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

// The pressed look waits up to one frame: a quick click (a tap, a click sent by a
// tool) is released before that and reports itself without waiting for a frame
// of the window in between; a held button looks pressed a frame later.
void RibbonButton::mousePressEvent(QMouseEvent *event)
{
    if (m_pressedLook.isActive() || !updatesEnabled()) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    const QPointer<RibbonButton> self(this);
    setUpdatesEnabled(false);
    QAbstractButton::mousePressEvent(event);
    if (self)
        m_pressedLook.start();
}

void RibbonButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressedLook.isActive()) {
        withLaterRepaint([&] { QAbstractButton::mouseReleaseEvent(event); });
        return;
    }
    // Updates are still off from the press: one repaint shows the outcome.
    m_pressedLook.stop();
    const QPointer<RibbonButton> self(this);
    QAbstractButton::mouseReleaseEvent(event);
    if (self)
        setUpdatesEnabled(true);
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
