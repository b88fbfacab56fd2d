#pragma once

#include <QList>

// Collapsing of a page's groups into single buttons when the page is too narrow for them.
// Each page keeps its own stack of collapsed groups, so that widening undoes the narrowing in
// reverse order.
namespace Tagovnik::Ribbon {

// The button that stands for a collapsed group: its caption between paddings, never narrower
// than the minimum so that short captions still give a usable target.
inline constexpr int kCollapsedGroupPadding = 6;
inline constexpr int kCollapsedGroupMinimumWidth = 50;

int collapsedGroupWidth(int captionWidth);

struct CollapsibleGroup
{
    int width = 0;          // expanded
    int collapsedWidth = 0; // as a single button
    // False for a group with a gallery or whose only entry is a large button or no button.
    bool collapsible = true;
};

class GroupCollapseStack
{
public:
    // Re-evaluates the page after its width changed. `groups` are in display order and are
    // referred to by their position in it from then on.
    void update(const QList<CollapsibleGroup> &groups, int pageWidth);

    bool isCollapsed(int position) const { return m_stack.contains(position); }
    // Positions of the collapsed groups, the first collapsed first.
    const QList<int> &collapsed() const { return m_stack; }
    // Widths the groups take on the page now, for `layoutPage`.
    QList<int> displayedWidths(const QList<CollapsibleGroup> &groups) const;

    // Forgets every collapse, e.g. when the page's groups change.
    void clear();

private:
    bool fits(const QList<CollapsibleGroup> &groups, int pageWidth) const;

    QList<int> m_stack;
    int m_pageWidth = -1;
};

} // namespace Tagovnik::Ribbon
