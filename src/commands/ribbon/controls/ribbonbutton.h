#pragma once

#include "ribbon/look/ribbonpalette.h"

#include <QAbstractButton>

namespace Tagovnik::Ribbon {

// What every button of the ribbon shares: it takes no focus from the pane by a click, lights
// up under the mouse, offers no hover help, and paints itself normal, hot or pressed.
class RibbonButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RibbonButton(QWidget *parent = nullptr);

protected:
    // Pressed while held down or while showsPressed() says so, hot under the mouse.
    Palette::ButtonState visualState() const;
    // A button whose pop-up is open keeps looking pressed.
    virtual bool showsPressed() const { return false; }

    bool event(QEvent *event) override;
};

} // namespace Tagovnik::Ribbon
