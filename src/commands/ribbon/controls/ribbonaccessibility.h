#pragma once

#include <QString>

class QWidget;

// Screen readers see the ribbon's tabs as page tabs and the application menu's
// rows as menu items; every other ribbon control is a plain button. A control
// that key tips reach announces those keys as its keyboard shortcut ("Alt, F"),
// taken from its property kAccessibleKeyTipProperty. Install once, before the
// ribbon is shown.
namespace Tagovnik::Ribbon {

inline constexpr char kAccessibleKeyTipProperty[] = "ribbonKeyTip";

void installRibbonAccessibility();

// Sets the keys that key tips reach `control` with ("Alt, F"; empty for none).
void setAccessibleKeyTip(QWidget *control, const QString &keys);

} // namespace Tagovnik::Ribbon
