#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// The ribbon's horizontal bands, top to bottom: caption bar, tab row, page area and, when the
// quick access toolbar sits below the ribbon, its strip. Heights of these bands are given at
// 96 dpi and scale with the screen; every other ribbon length stays fixed.
namespace Tagovnik::Ribbon {

inline constexpr int kReferenceDpi = 96;

inline constexpr int kCaptionBarHeightWithoutThemes = 30;
inline constexpr int kMinimumCaptionBarHeight = 28;

// Heights below the caption bar.
inline constexpr int kExpandedBodyHeight = 117; // tab row and page
inline constexpr int kMinimisedBodyHeight = 27; // tab row alone
inline constexpr int kTabRowOffset = 2;         // gap between caption bar and tab row
inline constexpr int kTabRowHeight = 23;
inline constexpr int kPageAreaOffset = 24; // from the caption bar's bottom to the page's top
inline constexpr int kPageAreaHeight = 93;
inline constexpr int kPageAreaWidthShortfall = 1; // the page stops 1 short of the right edge
inline constexpr int kQuickAccessStripHeight = 26;

// A client area this small leaves room for the caption bar only.
inline constexpr int kCaptionOnlyMaximumHeight = 250;
inline constexpr int kCaptionOnlyWidthBelow = 300;

enum class QuickAccessPosition { AboveRibbon, BelowRibbon };

// `length` at 96 dpi converted to `dpi`, rounded to whole pixels.
int scaledLength(int length, int dpi);

// Caption bar height H. `platformHeight` is the system's caption plus sizing-frame height at
// 96 dpi where the platform reports one; without it the themeless 30 is used.
int captionBarHeight(int dpi, std::optional<int> platformHeight = std::nullopt);

// Whether a window client area of this size shows only the caption bar.
bool isCaptionOnly(QSize clientSize);

struct RibbonState
{
    int captionBarHeight = kCaptionBarHeightWithoutThemes; // H, already scaled
    int dpi = kReferenceDpi;
    bool minimised = false;
    bool captionOnly = false;
    QuickAccessPosition quickAccessPosition = QuickAccessPosition::AboveRibbon;
};

// The height the ribbon gives itself; the window lays the browser pane out below it.
int ribbonHeight(const RibbonState &state);

struct RibbonBands
{
    QRect captionBar;
    QRect tabRow; // null while caption-only
    // Where the selected page stands when the ribbon is expanded. Kept even while minimised,
    // since a page dropped down from the minimised ribbon has the same size.
    QRect pageArea;
    bool pageShown = false;
    QRect quickAccessStrip; // null unless the toolbar is below the ribbon and visible
    int height = 0;
};

RibbonBands layoutRibbonBands(const RibbonState &state, int ribbonWidth);

} // namespace Tagovnik::Ribbon
