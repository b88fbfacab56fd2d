#include "ribbon/geometry/ribbonlayoutsupport.h"

namespace Tagovnik::Ribbon {

QString displayedCaption(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            // A trailing lone mark has nothing to mark and is dropped too.
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
                shown.append(u'&');
                ++i;
            }
            continue;
        }
        shown.append(caption.at(i));
    }
    return shown;
}

QRect mirroredRect(const QRect &rect, int width)
{
    if (rect.isNull())
        return rect;
    return QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
}

QRect orientedRect(const QRect &rect, int width, Qt::LayoutDirection direction)
{
    return direction == Qt::RightToLeft ? mirroredRect(rect, width) : rect;
}

bool withinRoundButton(const QRectF &button, const QPointF &point)
{
    const QPointF offset = point - button.center();
    const qreal radius = button.width() / 2.0;
    return offset.x() * offset.x() + offset.y() * offset.y() <= radius * radius;
}

} // namespace Tagovnik::Ribbon
