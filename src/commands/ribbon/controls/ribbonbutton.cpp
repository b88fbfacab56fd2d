#include "ribbon/controls/ribbonbutton.h"

#include "ribbon/controls/hoverhelp.h"

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
    if (isEnabled() && underMouse())
        return ButtonState::Hot;
    return ButtonState::Normal;
}

bool RibbonButton::event(QEvent *event)
{
    return isHoverHelp(event) || QAbstractButton::event(event);
}

} // namespace Tagovnik::Ribbon
