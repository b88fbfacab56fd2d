#pragma once

#include <QFont>

namespace Tagovnik {

// The window font, Tahoma at the given pixel height. Where the system lacks
// Tahoma, the open Tahoma shipped with Wine's fonts is registered if present;
// otherwise the font matcher's substitute serves.
QFont windowFont(int pixelHeight);

} // namespace Tagovnik
