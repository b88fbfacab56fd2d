#pragma once

#include <QList>
#include <QRect>

namespace Tagovnik::Ribbon {

// Where something dragged over the quick access toolbar would land. `gap` counts the entries
// on screen before the place (0 before the first, their count after the last); the marker is
// drawn as a vertical line at `markerX`.
struct ToolbarDropPlace
{
    int gap = 0;
    int markerX = 0;

    bool operator==(const ToolbarDropPlace &) const = default;
};

// The place for a pointer at `x`, given the rectangles of the entries on screen in toolbar
// order: before the first entry whose middle lies beyond the pointer in reading direction.
// With no entry on screen the place is at `emptyX`.
ToolbarDropPlace toolbarDropPlace(const QList<QRect> &entries, int x, int emptyX,
                                  Qt::LayoutDirection direction = Qt::LeftToRight);

// The position in the toolbar's whole binding (hidden entries and entries out of sight
// included) at which a new entry goes for that gap: before the gap's next entry on screen, or
// right after the last one on screen. `onScreen` holds the binding positions of the entries on
// screen, in order.
int bindingInsertPosition(const QList<int> &onScreen, int gap, int bindingSize);

// Where an entry taken from `from` ends up when it is dropped at binding position `insert`
// (counted with the entry still in place).
int bindingMoveTarget(int from, int insert);

} // namespace Tagovnik::Ribbon
