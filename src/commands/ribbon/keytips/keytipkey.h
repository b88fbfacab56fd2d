#pragma once

#include <QChar>

#include <optional>

class QKeyEvent;

namespace Tagovnik::Ribbon {

// The letter or digit a key press types into key-tip mode, upper case: the main keys and the
// numeric pad's digits. Where the window system reports the keys' positions as evdev key codes
// (X11, Wayland), a layout with other characters there still reaches "2" with the key that
// carries 2 on a Latin keyboard, and "F" with the key that carries F, as the Czech keyboard's
// top row ("+ěščřžýáíé") does. Keys held with Ctrl, Alt or Meta type nothing.
std::optional<QChar> keyTipCharacter(const QKeyEvent &event, bool evdevKeyCodes);

// Whether the window system in use reports evdev key codes.
bool platformUsesEvdevKeyCodes();

} // namespace Tagovnik::Ribbon
