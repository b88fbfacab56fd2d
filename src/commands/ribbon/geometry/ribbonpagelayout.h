#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the groups of one ribbon page stand, and which of the page's scroll buttons show.
namespace Tagovnik::Ribbon {

inline constexpr int kFirstGroupLeft = 4;
inline constexpr int kGroupSpacing = 2;
inline constexpr int kGroupTop = 3;
// The fit test counts 3 per group, one more than the groups actually stand apart.
inline constexpr int kGroupFitAllowance = 3;
inline constexpr int kPageScrollButtonWidth = 12;

// Display order of a page's groups: positions into `groupIndices` (each group's `GroupIndex`,
// in definition order), ascending, or descending when the page reads right-to-left. Groups
// sharing an index keep their definition order either way, so repeated layouts never swap them.
QList<int> groupDisplayOrder(const QList<int> &groupIndices,
                             Qt::LayoutDirection pageDirection = Qt::LeftToRight);

// Width the page needs for groups of these widths (collapsed groups counted by their button).
int pageWidthNeeded(const QList<int> &groupWidths);

struct PageLayout
{
    QList<QRect> groups;  // in display order, relative to the page's top left
    QRect scrollLeft;     // null when the page is not scrolled
    QRect scrollRight;    // null when no group extends past the right edge
    int scrollOffset = 0; // the offset used, after clamping
};

// `groupWidths` in display order, collapsed groups by their button's width. `scrollOffset` is
// zero or negative: how far the groups are shifted left; it is clamped so that scrolling
// never goes past the last group.
PageLayout layoutPage(const QList<int> &groupWidths, QSize pageSize, int scrollOffset = 0);

} // namespace Tagovnik::Ribbon
