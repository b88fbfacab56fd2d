#pragma once

#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/geometry/ribbonbands.h"

#include <QList>
#include <QRect>
#include <QSize>

// The caption bar, which the ribbon draws in place of the window's title bar: application
// button, quick access toolbar (when above), caption text and the window's system buttons.
// Everything is in ribbon coordinates and mirrored as a whole for right-to-left.
namespace Tagovnik::Ribbon {

inline constexpr QRect kApplicationButton{4, 9, 38, 38};
inline constexpr QRect kApplicationIconInButton{6, 7, 24, 24};
// Caption-only state: the application button is gone, a small icon stands in for it.
inline constexpr QRect kCaptionOnlyIcon{6, 8, 16, 16};
inline constexpr int kCaptionOnlyTextLeft = 28;

// The caption keeps this far right of the application button and toolbar's widths together.
inline constexpr int kCaptionTextClearance = 24;
inline constexpr int kCaptionTextDrop = 2;
// A maximised window on Windows has its frame off screen and the caption bar cut at the top.
inline constexpr int kCaptionTextDropMaximised = 6;

inline constexpr int kCaptionButtonWidth = 46;
// System buttons stand with their bottom edge this far above the caption bar's bottom.
inline constexpr int kCaptionButtonBottomInset = 2;

// A sensible system button where the platform tells no size: 46 wide, down to H - 2.
QSize defaultCaptionButtonSize(int captionBarHeight);

struct SystemButtons
{
    QRect minimise;
    QRect maximise; // maximise or restore
    QRect close;    // outermost
    int totalWidth() const { return minimise.width() + maximise.width() + close.width(); }
};

SystemButtons layoutSystemButtons(int ribbonWidth, int captionBarHeight, QSize buttonSize,
                                  Qt::LayoutDirection direction = Qt::LeftToRight);

struct CaptionBarInput
{
    int ribbonWidth = 0;
    int captionBarHeight = kCaptionBarHeightWithoutThemes;
    bool captionOnly = false;
    bool maximised = false; // lowers the caption text as a maximised Windows frame needs
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QSize captionButtonSize; // one system button; empty means `defaultCaptionButtonSize`
    QuickAccessPosition quickAccessPosition = QuickAccessPosition::AboveRibbon;
    QList<int> quickAccessEntryWidths; // the toolbar's visible entries, in order
    QSize captionTextSize;             // the caption measured in the ribbon's font at 10 pt
};

struct CaptionTextPlacement
{
    QRect rect;
    // The text is wider than `rect`: draw it elided to `rect.width()` with an ellipsis.
    bool elided = false;
};

struct CaptionBarLayout
{
    QRect applicationButton;              // null while caption-only
    QRect applicationIcon;                // the application icon, in ribbon coordinates
    QuickAccessToolbarLayout quickAccess; // empty unless shown in the caption bar
    SystemButtons systemButtons;
    CaptionTextPlacement caption;
};

CaptionBarLayout layoutCaptionBar(const CaptionBarInput &input);

} // namespace Tagovnik::Ribbon
