#include "ribbon/look/ribbonpalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Tagovnik::Ribbon::Palette {

QLinearGradient vertical(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// Half a pixel in, so one-pixel lines fall on whole device pixels at 1x and 2x.
static QRectF lineRect(const QRectF &rect)
{
    return rect.adjusted(0.5, 0.5, -0.5, -0.5);
}

void paintCaptionBar(QPainter &painter, const QRectF &rect)
{
    painter.fillRect(rect, vertical(rect, captionBarTop, captionBarBottom));
}

void paintPage(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(lineRect(rect), 3, 3);
    painter.fillPath(path, vertical(rect, pageTop, pageBottom));
    painter.setPen(frame);
    painter.drawPath(path);
    painter.restore();
}

void paintGroup(QPainter &painter, const QRectF &rect, int captionBandHeight)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = lineRect(rect);
    QPainterPath path;
    path.addRoundedRect(box, 3, 3);
    painter.fillPath(path, vertical(rect, QColor(0xfd, 0xfd, 0xfe), QColor(0xee, 0xf1, 0xf4)));
    QRectF band = box;
    band.setTop(box.bottom() - captionBandHeight + 1);
    QPainterPath bandPath;
    bandPath.addRoundedRect(band, 3, 3);
    painter.fillPath(bandPath.intersected(path), groupCaptionBand);
    painter.setPen(QColor(0xc0, 0xc7, 0xd1));
    painter.drawPath(path);
    painter.restore();
}

void paintButton(QPainter &painter, const QRectF &rect, ButtonState state, qreal radius)
{
    if (state == ButtonState::Normal)
        return;
    QColor top, bottom, border;
    switch (state) {
    case ButtonState::Hot:
        top = QColor(0xff, 0xf6, 0xd6);
        bottom = QColor(0xff, 0xdf, 0x8a);
        border = QColor(0xdb, 0xb4, 0x5a);
        break;
    case ButtonState::Pressed:
        top = QColor(0xf9, 0xc7, 0x7d);
        bottom = QColor(0xfb, 0xa8, 0x4a);
        border = QColor(0xc2, 0x8a, 0x3b);
        break;
    case ButtonState::Checked:
        top = QColor(0xfd, 0xe0, 0xa8);
        bottom = QColor(0xfc, 0xc8, 0x6a);
        border = QColor(0xc2, 0x8a, 0x3b);
        break;
    case ButtonState::Normal:
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(lineRect(rect), radius, radius);
    painter.fillPath(path, vertical(rect, top, bottom));
    painter.setPen(border);
    painter.drawPath(path);
    painter.restore();
}

void paintTab(QPainter &painter, const QRectF &rect, bool selected, bool hot)
{
    if (!selected && !hot)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = lineRect(rect).adjusted(0, 0, 0, 1); // runs into the page's frame
    QPainterPath path;
    path.moveTo(box.bottomLeft());
    path.lineTo(box.left(), box.top() + 3);
    path.quadTo(box.topLeft(), QPointF(box.left() + 3, box.top()));
    path.lineTo(box.right() - 3, box.top());
    path.quadTo(box.topRight(), QPointF(box.right(), box.top() + 3));
    path.lineTo(box.bottomRight());
    if (selected) {
        painter.fillPath(path, vertical(rect, QColor(0xff, 0xff, 0xff), pageTop));
        painter.setPen(frame);
    } else {
        painter.fillPath(path, QColor(255, 255, 255, 110));
        painter.setPen(QColor(0xc3, 0xca, 0xd4));
    }
    painter.drawPath(path);
    painter.restore();
}

} // namespace Tagovnik::Ribbon::Palette
