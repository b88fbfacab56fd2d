#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace Tagovnik {

// Renders the whole drawing, antialiased, into a transparent image of exactly
// pixelSize (ARGB32 premultiplied).
QImage renderSvg(QSvgRenderer &renderer, QSize pixelSize);

// Reduces the alpha channel to one bit: a pixel at least half covered becomes
// opaque in its own colour, anything less becomes fully transparent. This keeps
// small pictures crisp on any background, with no fringe of blended pixels.
QImage withBinaryAlpha(const QImage &image);

} // namespace Tagovnik
