#include "ribbon/customise/toolbardropplace.h"

namespace Tagovnik::Ribbon {

ToolbarDropPlace toolbarDropPlace(const QList<QRect> &entries, int x, int emptyX,
                                  Qt::LayoutDirection direction)
{
    if (entries.isEmpty())
        return {0, emptyX};
    const bool rightToLeft = direction == Qt::RightToLeft;
    for (int i = 0; i < entries.size(); ++i) {
        const QRect &entry = entries.at(i);
        const int middle = entry.left() + entry.width() / 2;
        if (rightToLeft ? x > middle : x < middle)
            return {i, rightToLeft ? entry.right() + 1 : entry.left()};
    }
    const QRect &last = entries.constLast();
    return {int(entries.size()), rightToLeft ? last.left() : last.right() + 1};
}

int bindingInsertPosition(const QList<int> &onScreen, int gap, int bindingSize)
{
    if (onScreen.isEmpty())
        return bindingSize;
    if (gap < 0)
        return onScreen.constFirst();
    if (gap < onScreen.size())
        return onScreen.at(gap);
    return onScreen.constLast() + 1;
}

int bindingMoveTarget(int from, int insert)
{
    return insert > from ? insert - 1 : insert;
}

} // namespace Tagovnik::Ribbon
