#pragma once

#include <QList>
#include <QRect>

// Where a pop-up hung from an anchor (a button, on screen) stands, kept inside the work area
// of the screen that holds the anchor.
namespace Tagovnik::Ribbon {

struct PopupRequest
{
    QRect anchor;    // on screen
    QPoint hangAt;   // the pop-up's top left where there is room
    QSize size;
    // Where the pop-up would pass the work area's bottom, it stands above the anchor instead.
    bool flipsAbove = true;
    // Kept from passing the work area's left edge as well as its right edge.
    bool keepsLeftEdge = true;
};

// Below the anchor with its near edge in line with the anchor's: the usual hanging point.
QPoint belowAnchor(const QRect &anchor, QSize size, Qt::LayoutDirection direction);

// `workAreas` are the screens' work areas; the one holding the anchor's centre counts, else
// the one nearest to it.
QRect placePopup(const PopupRequest &request, const QList<QRect> &workAreas);

} // namespace Tagovnik::Ribbon
