#pragma once

namespace Tagovnik::Ribbon {

// Tells Alt pressed and released alone from Alt held for a combination (Alt+F4, a window
// manager's Alt+drag or Alt+Tab, Alt+Shift to switch layouts) and from AltGr. Fed with the
// key presses and releases of the window; anything else that happens meanwhile (a click, the
// window losing the keyboard) interrupts it.
class AltTap
{
public:
    // Qt::Key codes.
    void keyPressed(int key, bool autoRepeat);
    // True when this release ends a tap of Alt alone.
    bool keyReleased(int key);
    void interrupt();

private:
    bool m_armed = false;
    bool m_altGrHeld = false;
};

} // namespace Tagovnik::Ribbon
