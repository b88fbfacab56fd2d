#include "ribbon/geometry/ribbonpagelayout.h"

#include "ribbon/geometry/ribbongrouplayout.h"

#include <algorithm>
#include <numeric>

namespace Tagovnik::Ribbon {

QList<int> groupDisplayOrder(const QList<int> &groupIndices, Qt::LayoutDirection pageDirection)
{
    QList<int> order(groupIndices.size());
    std::iota(order.begin(), order.end(), 0);
    const bool descending = pageDirection == Qt::RightToLeft;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return descending ? groupIndices.at(a) > groupIndices.at(b)
                          : groupIndices.at(a) < groupIndices.at(b);
    });
    return order;
}

int pageWidthNeeded(const QList<int> &groupWidths)
{
    int needed = kFirstGroupLeft;
    for (int width : groupWidths)
        needed += width + kGroupFitAllowance;
    return needed;
}

PageLayout layoutPage(const QList<int> &groupWidths, QSize pageSize, int scrollOffset)
{
    PageLayout layout;
    if (groupWidths.isEmpty())
        return layout;

    int contentRight = kFirstGroupLeft;
    for (int width : groupWidths)
        contentRight += width + kGroupSpacing;
    contentRight -= kGroupSpacing;

    // Scrolled as far as it goes, the last group ends at the page's right edge.
    const int deepest = std::min(0, pageSize.width() - contentRight);
    layout.scrollOffset = std::clamp(scrollOffset, deepest, 0);

    int x = kFirstGroupLeft + layout.scrollOffset;
    for (int width : groupWidths) {
        layout.groups.append(QRect(x, kGroupTop, width, kGroupHeight));
        x += width + kGroupSpacing;
    }

    if (layout.scrollOffset < 0)
        layout.scrollLeft = QRect(0, 0, kPageScrollButtonWidth, pageSize.height());
    if (layout.groups.last().x() + layout.groups.last().width() > pageSize.width()) {
        layout.scrollRight = QRect(pageSize.width() - kPageScrollButtonWidth, 0,
                                   kPageScrollButtonWidth, pageSize.height());
    }
    return layout;
}

} // namespace Tagovnik::Ribbon
