#include "ribbon/geometry/ribbongrouplayout.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

GroupLayout layoutGroupEntries(const QList<GroupEntryBox> &entries)
{
    GroupLayout layout;
    if (entries.isEmpty())
        return layout;

    constexpr int captionBandTop = kGroupHeight - kGroupCaptionBandHeight;
    int columnLeft = kGroupContentLeft;
    int y = kGroupContentTop;
    bool columnEmpty = true;
    layout.columnWidths.append(0);

    for (const GroupEntryBox &entry : entries) {
        // A fresh column takes its first entry whatever its height, or an oversized entry
        // would open one empty column after another.
        const bool wrap =
            !columnEmpty && (entry.startsColumn || y + entry.size.height() >= captionBandTop);
        if (wrap) {
            columnLeft += layout.columnWidths.last();
            layout.columnWidths.append(0);
            y = kGroupContentTop;
        }
        layout.entries.append(QRect(QPoint(columnLeft, y), entry.size));
        layout.entryColumns.append(int(layout.columnWidths.size()) - 1);
        layout.columnWidths.last() = std::max(layout.columnWidths.last(), entry.size.width());
        y += entry.size.height();
        columnEmpty = false;
    }

    layout.width = kGroupHorizontalPadding;
    for (int columnWidth : std::as_const(layout.columnWidths))
        layout.width += columnWidth;
    return layout;
}

QRect groupCaptionBand(const QRect &group)
{
    return QRect(group.left(), group.top() + group.height() - kGroupCaptionBandHeight,
                 group.width(), kGroupCaptionBandHeight);
}

} // namespace Tagovnik::Ribbon
