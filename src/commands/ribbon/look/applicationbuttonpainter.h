#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace Tagovnik::Ribbon {

enum class ApplicationButtonLook { Normal, Hot, Pressed };

// The round application button's face with the application icon on it. The open application
// menu draws it too, over the part of the button that the menu covers.
void paintApplicationButton(QPainter &painter, const QRect &rect, ApplicationButtonLook look,
                            qreal devicePixelRatio);

// The application icon at `extent` device-independent pixels, rendered for the pixel ratio.
QPixmap applicationIconPixmap(int extent, qreal devicePixelRatio);

} // namespace Tagovnik::Ribbon
