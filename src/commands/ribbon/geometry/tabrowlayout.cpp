#include "ribbon/geometry/tabrowlayout.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

namespace {

// Places tabs `first`.. from `left`, stopping before the first one that would pass `right`.
// Returns how many were placed.
qsizetype placeTabs(QList<QRect> &tabs, const QList<int> &widths, qsizetype first, int left,
                    int right, const QRect &row)
{
    qsizetype placed = 0;
    int x = left;
    for (qsizetype i = first; i < widths.size(); ++i) {
        if (x + widths.at(i) > right)
            break;
        tabs[i] = QRect(x, row.top(), widths.at(i), row.height());
        x += widths.at(i) + kTabSpacing;
        ++placed;
    }
    return placed;
}

} // namespace

TabRowLayout layoutTabRow(const TabRowInput &input)
{
    const int width = input.row.width();
    TabRowLayout layout;
    layout.tabs.fill(QRect(), input.captions.size());

    int rowEnd = width;
    if (input.showHelpButton) {
        layout.helpButton = QRect(width - kHelpButtonSize, input.row.top() - kHelpButtonRise,
                                  kHelpButtonSize, kHelpButtonSize);
        rowEnd = layout.helpButton.left() - kTabSpacing;
    }

    QList<int> widths;
    widths.reserve(input.captions.size());
    for (const QString &caption : input.captions) {
        const int textWidth =
            input.captionWidth ? input.captionWidth(displayedCaption(caption)) : 0;
        widths.append(textWidth + 2 * kTabCaptionPadding);
    }

    const qsizetype count = widths.size();
    if (placeTabs(layout.tabs, widths, 0, kFirstTabLeft, rowEnd, input.row) < count) {
        layout.tabs.fill(QRect(), count);
        layout.firstVisibleTab = std::clamp(input.firstVisibleTab, 0, int(count) - 1);
        int left = kFirstTabLeft;
        if (layout.firstVisibleTab > 0) {
            layout.scrollLeft =
                QRect(left, input.row.top(), kTabScrollButtonWidth, input.row.height());
            left += kTabScrollButtonWidth;
        }
        const qsizetype rest = count - layout.firstVisibleTab;
        if (placeTabs(layout.tabs, widths, layout.firstVisibleTab, left, rowEnd, input.row) <
            rest) {
            // Not everything after the first visible tab fits: make room for the right button.
            layout.tabs.fill(QRect(), count);
            const int buttonLeft = rowEnd - kTabScrollButtonWidth;
            layout.scrollRight =
                QRect(buttonLeft, input.row.top(), kTabScrollButtonWidth, input.row.height());
            placeTabs(layout.tabs, widths, layout.firstVisibleTab, left, buttonLeft, input.row);
        }
    }

    if (input.direction == Qt::RightToLeft) {
        for (QRect &tab : layout.tabs)
            tab = mirroredRect(tab, width);
        layout.helpButton = mirroredRect(layout.helpButton, width);
        layout.scrollLeft = mirroredRect(layout.scrollLeft, width);
        layout.scrollRight = mirroredRect(layout.scrollRight, width);
    }
    return layout;
}

} // namespace Tagovnik::Ribbon
