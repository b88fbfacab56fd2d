#pragma once

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStyleHints>

namespace Tagovnik::Ribbon {

// Whether a second click that comes `since` the first still makes a double-click. Pop-ups that
// take the mouse on the first click see the second one themselves and ask this.
inline bool withinDoubleClickTime(const QElapsedTimer &since)
{
    return since.isValid() &&
           since.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

} // namespace Tagovnik::Ribbon
