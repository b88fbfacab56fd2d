#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace Tagovnik {

// Edge of the icon as the program stores it, in pixels.
inline constexpr int applicationIconExtent = 48;

// The compiled-in SVG drawing of the icon, for any size.
QString applicationIconResourcePath();

// The icon rendered with soft, antialiased edges (ARGB32 premultiplied).
QImage applicationIconImage(int extent = applicationIconExtent);

// The icon for the window and the application button. Its only image is the
// stored 48 x 48 one, so smaller places scale it down. Needs a QGuiApplication.
QIcon applicationIcon();

} // namespace Tagovnik
