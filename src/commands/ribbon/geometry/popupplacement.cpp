#include "ribbon/geometry/popupplacement.h"

#include <algorithm>
#include <limits>

namespace Tagovnik::Ribbon {

QPoint belowAnchor(const QRect &anchor, QSize size, Qt::LayoutDirection direction)
{
    const int left = direction == Qt::RightToLeft ? anchor.right() + 1 - size.width() : anchor.left();
    return {left, anchor.bottom() + 1};
}

static QRect workAreaFor(const QRect &anchor, const QList<QRect> &workAreas)
{
    const QPoint centre = anchor.center();
    QRect nearest;
    int nearestDistance = std::numeric_limits<int>::max();
    for (const QRect &area : workAreas) {
        if (area.contains(centre))
            return area;
        const int dx = std::max({area.left() - centre.x(), 0, centre.x() - area.right()});
        const int dy = std::max({area.top() - centre.y(), 0, centre.y() - area.bottom()});
        if (dx + dy < nearestDistance) {
            nearestDistance = dx + dy;
            nearest = area;
        }
    }
    return nearest;
}

QRect placePopup(const PopupRequest &request, const QList<QRect> &workAreas)
{
    QRect popup(request.hangAt, request.size);
    const QRect area = workAreaFor(request.anchor, workAreas);
    if (area.isNull())
        return popup;
    if (request.flipsAbove && popup.bottom() > area.bottom())
        popup.moveBottom(request.anchor.top() - 1);
    if (popup.right() > area.right())
        popup.moveRight(area.right());
    if (request.keepsLeftEdge && popup.left() < area.left())
        popup.moveLeft(area.left());
    return popup;
}

} // namespace Tagovnik::Ribbon
