#include "picturerendering.h"

#include <QPainter>
#include <QSvgRenderer>

namespace Tagovnik {

QImage renderSvg(QSvgRenderer &renderer, QSize pixelSize)
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixelSize)));
    return image;
}

QImage withBinaryAlpha(const QImage &image)
{
    // Unpremultiplied, a half-covered pixel of a dark outline keeps the outline's
    // full colour once it becomes opaque.
    QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(straight.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qAlpha(pixel) >= 128 ? (pixel | 0xff000000u) : 0u;
        }
    }
    QImage result = straight.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(image.devicePixelRatio());
    return result;
}

} // namespace Tagovnik
