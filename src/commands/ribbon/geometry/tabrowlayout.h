#pragma once

#include "ribbon/geometry/ribbonlayoutsupport.h"

#include <QList>
#include <QRect>
#include <QStringList>

// The tab row under the caption bar: the tabs, their scroll buttons and the help button.
namespace Tagovnik::Ribbon {

inline constexpr int kFirstTabLeft = 47; // clear of the application button above
inline constexpr int kTabSpacing = 6;
inline constexpr int kTabCaptionPadding = 6; // each side of a tab's caption
inline constexpr int kTabScrollButtonWidth = 12;
inline constexpr int kHelpButtonSize = 22;
inline constexpr int kHelpButtonRise = 1; // the help button starts 1 above the tab row

struct TabRowInput
{
    QRect row; // `RibbonBands::tabRow`
    QStringList captions;
    TextWidth captionWidth;  // the ribbon's font at 8 pt
    int firstVisibleTab = 0; // where the scroll buttons have moved the row to
    bool showHelpButton = true;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

struct TabRowLayout
{
    QList<QRect> tabs;       // one per caption; null for tabs scrolled out of sight
    QRect helpButton;        // null when hidden
    QRect scrollLeft;        // null unless tabs are scrolled out at the start
    QRect scrollRight;       // null unless tabs are cut off at the end
    int firstVisibleTab = 0; // the input's, clamped; 0 whenever every tab fits
};

TabRowLayout layoutTabRow(const TabRowInput &input);

} // namespace Tagovnik::Ribbon
