#include "ribbon/geometry/quickaccesstoolbarlayout.h"

#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

namespace {

// Fills `frame` left to right; mirroring is done over the whole ribbon width.
QuickAccessToolbarLayout arrange(const QRect &frame, const QList<int> &entryWidths, int ribbonWidth,
                                 Qt::LayoutDirection direction)
{
    QuickAccessToolbarLayout layout;
    layout.frame = frame;

    const int entryTop = frame.top() + (frame.height() - kSmallRibbonButtonHeight) / 2;
    const int limit =
        frame.left() + frame.width() - kQuickAccessPadding - kQuickAccessEndButtonWidth;
    int x = frame.left() + kQuickAccessPadding;
    for (int width : entryWidths) {
        if (!layout.overflow && x + width <= limit) {
            layout.entries.append(QRect(x, entryTop, width, kSmallRibbonButtonHeight));
            x += width;
            ++layout.shownEntryCount;
        } else {
            // Once one entry is out of sight all later ones are too, keeping the order.
            layout.overflow = true;
            layout.entries.append(QRect());
        }
    }
    layout.endButton = QRect(x, entryTop, kQuickAccessEndButtonWidth, kSmallRibbonButtonHeight);

    layout.frame = orientedRect(layout.frame, ribbonWidth, direction);
    layout.endButton = orientedRect(layout.endButton, ribbonWidth, direction);
    for (QRect &entry : layout.entries)
        entry = orientedRect(entry, ribbonWidth, direction);
    return layout;
}

} // namespace

int quickAccessToolbarNeededWidth(const QList<int> &entryWidths)
{
    int width = 2 * kQuickAccessPadding + kQuickAccessEndButtonWidth;
    for (int entryWidth : entryWidths)
        width += entryWidth;
    return width;
}

int quickAccessToolbarMaximumWidth(int ribbonWidth, int applicationButtonWidth,
                                   int systemButtonsWidth)
{
    return std::max(0, ribbonWidth - applicationButtonWidth - systemButtonsWidth -
                           kQuickAccessReservedWidth);
}

QuickAccessToolbarLayout layoutQuickAccessToolbarAbove(int ribbonWidth, int applicationButtonWidth,
                                                       int systemButtonsWidth,
                                                       const QList<int> &entryWidths,
                                                       Qt::LayoutDirection direction)
{
    const int width = std::min(
        quickAccessToolbarNeededWidth(entryWidths),
        quickAccessToolbarMaximumWidth(ribbonWidth, applicationButtonWidth, systemButtonsWidth));
    const QRect frame(kQuickAccessAboveLeft, kQuickAccessAboveTop, width, kQuickAccessAboveHeight);
    return arrange(frame, entryWidths, ribbonWidth, direction);
}

QuickAccessToolbarLayout layoutQuickAccessToolbarBelow(const QRect &strip,
                                                       const QList<int> &entryWidths,
                                                       Qt::LayoutDirection direction)
{
    // Mirrored within the strip itself, which spans the ribbon.
    return arrange(strip, entryWidths, 2 * strip.left() + strip.width(), direction);
}

} // namespace Tagovnik::Ribbon
