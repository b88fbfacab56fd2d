#pragma once

#include "ribbon/look/ribbonpalette.h"

#include <QAbstractButton>
#include <QTimer>

#include <functional>

namespace Tagovnik::Ribbon {

// What every button of the ribbon shares: it takes no focus from the pane by a click, lights
// up under the mouse, offers no hover help, and paints itself normal, hot or pressed.
class RibbonButton : public QAbstractButton
{
    Q_OBJECT

public:
    // How long the pressed look may wait for a release: one frame at 60 Hz.
    static constexpr int pressedLookDelayMs = 16;

    explicit RibbonButton(QWidget *parent = nullptr);

    // The item of a pop-up that the arrow keys reached looks hot, as under the mouse.
    void setKeyboardCurrent(bool current);
    bool isKeyboardCurrent() const { return m_keyboardCurrent; }

protected:
    // Pressed while held down or while showsPressed() says so, hot under the mouse or as the
    // keyboard's current item.
    Palette::ButtonState visualState() const;
    // A button whose pop-up is open keeps looking pressed.
    virtual bool showsPressed() const { return false; }

    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void withLaterRepaint(const std::function<void()> &handle);

    bool m_keyboardCurrent = false;
    // Running while the pressed look waits for its frame, with updates off.
    QTimer m_pressedLook;
};

} // namespace Tagovnik::Ribbon
