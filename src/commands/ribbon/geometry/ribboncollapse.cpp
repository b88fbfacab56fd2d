#include "ribbon/geometry/ribboncollapse.h"

#include "ribbon/geometry/ribbonpagelayout.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

int collapsedGroupWidth(int captionWidth)
{
    return std::max(kCollapsedGroupMinimumWidth, captionWidth + 2 * kCollapsedGroupPadding);
}

QList<int> GroupCollapseStack::displayedWidths(const QList<CollapsibleGroup> &groups) const
{
    QList<int> widths;
    widths.reserve(groups.size());
    for (int i = 0; i < groups.size(); ++i)
        widths.append(isCollapsed(i) ? groups.at(i).collapsedWidth : groups.at(i).width);
    return widths;
}

bool GroupCollapseStack::fits(const QList<CollapsibleGroup> &groups, int pageWidth) const
{
    return pageWidthNeeded(displayedWidths(groups)) <= pageWidth;
}

void GroupCollapseStack::update(const QList<CollapsibleGroup> &groups, int pageWidth)
{
    // Positions beyond the current groups would refer to groups that are gone.
    m_stack.removeIf([&](int position) { return position >= groups.size(); });

    const bool grew = m_pageWidth >= 0 && pageWidth > m_pageWidth;
    m_pageWidth = pageWidth;

    if (grew) {
        const qsizetype collapsedBefore = m_stack.size();
        for (qsizetype i = 0; i < collapsedBefore; ++i) {
            const int position = m_stack.takeLast();
            if (!fits(groups, pageWidth)) {
                m_stack.append(position);
                break;
            }
        }
    }

    for (int position = int(groups.size()) - 1; position >= 0; --position) {
        if (fits(groups, pageWidth))
            break;
        if (!isCollapsed(position) && groups.at(position).collapsible)
            m_stack.append(position);
    }
}

void GroupCollapseStack::clear()
{
    m_stack.clear();
    m_pageWidth = -1;
}

} // namespace Tagovnik::Ribbon
