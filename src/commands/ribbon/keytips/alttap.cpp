#include "ribbon/keytips/alttap.h"

#include <Qt>

namespace Tagovnik::Ribbon {

void AltTap::keyPressed(int key, bool autoRepeat)
{
    if (key == Qt::Key_AltGr) {
        m_altGrHeld = true;
        m_armed = false;
        return;
    }
    if (key == Qt::Key_Alt) {
        // Held down, Alt repeats; that is still the same press.
        if (!autoRepeat)
            m_armed = !m_altGrHeld;
        return;
    }
    m_armed = false;
}

bool AltTap::keyReleased(int key)
{
    if (key == Qt::Key_AltGr) {
        m_altGrHeld = false;
        return false;
    }
    if (key != Qt::Key_Alt)
        return false;
    const bool tapped = m_armed;
    m_armed = false;
    return tapped;
}

void AltTap::interrupt()
{
    m_armed = false;
    m_altGrHeld = false;
}

} // namespace Tagovnik::Ribbon
