#pragma once

#include <QFont>

namespace Tagovnik {

// The window font, Tahoma at the given pixel height. Where the system lacks
// Tahoma, the open Tahoma shipped with Wine's fonts is registered if present;
// otherwise the font matcher's substitute serves.
QFont windowFont(int pixelHeight);

// The font's text cell height in pixels, ascent plus descent as the font's
// Windows metrics give them: the height the window's design sizes were
// measured against. Fonts without those metrics report Qt's own height.
int textCellHeight(const QFont &font);

} // namespace Tagovnik
