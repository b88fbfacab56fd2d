#pragma once

#include <QList>
#include <QRect>

// The quick access toolbar: its frame, its entries and the end button that opens its drop-down
// menu, or the overflow pop-up when not all entries fit.
namespace Tagovnik::Ribbon {

// Above the ribbon it sits in the caption bar right of the application button.
inline constexpr int kQuickAccessAboveLeft = 49;
inline constexpr int kQuickAccessAboveTop = 5;
inline constexpr int kQuickAccessAboveHeight = 24;
// Caption bar width kept clear of the toolbar besides application and system buttons.
inline constexpr int kQuickAccessReservedWidth = 56;
// [padding][entries...][end button][padding]; with three 24-wide entries this is 99 wide.
inline constexpr int kQuickAccessPadding = 7;
inline constexpr int kQuickAccessEndButtonWidth = 13;

struct QuickAccessToolbarLayout
{
    QRect frame;          // null when the toolbar is not shown here
    QList<QRect> entries; // one per input entry; null for entries pushed out by overflow
    QRect endButton;
    bool overflow = false; // the end button opens the pop-up with the entries out of sight
    int shownEntryCount = 0;
};

// Width the toolbar needs to show every entry; entries are the visible ones, in order.
int quickAccessToolbarNeededWidth(const QList<int> &entryWidths);

// Widest the toolbar may be in the caption bar.
int quickAccessToolbarMaximumWidth(int ribbonWidth, int applicationButtonWidth,
                                   int systemButtonsWidth);

// In the caption bar: as wide as needed, but no wider than the maximum.
QuickAccessToolbarLayout
layoutQuickAccessToolbarAbove(int ribbonWidth, int applicationButtonWidth, int systemButtonsWidth,
                              const QList<int> &entryWidths,
                              Qt::LayoutDirection direction = Qt::LeftToRight);

// In the strip under the page area (`RibbonBands::quickAccessStrip`), which spans the ribbon.
QuickAccessToolbarLayout
layoutQuickAccessToolbarBelow(const QRect &strip, const QList<int> &entryWidths,
                              Qt::LayoutDirection direction = Qt::LeftToRight);

} // namespace Tagovnik::Ribbon
