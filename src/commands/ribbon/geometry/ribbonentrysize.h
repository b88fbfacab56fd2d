#pragma once

#include "ribbon/geometry/ribbonlayoutsupport.h"

#include <QRect>
#include <QSize>
#include <QString>

// Size of one ribbon entry and where its picture and caption stand inside it. The kind of
// button follows the style of the command list that feeds the entry's bar.
namespace Tagovnik::Ribbon {

// Small ribbon button: [margin][16 picture][spacing][caption][margin], 22 high. Without a
// caption the margins alone frame the picture, giving 24.
inline constexpr int kSmallRibbonButtonHeight = 22;
inline constexpr int kSmallRibbonPictureSize = 16;
inline constexpr int kRibbonButtonMargin = 4;
inline constexpr int kRibbonButtonCaptionSpacing = 3;

// Platform-style toolbar button: the picture place is as large as the picture, the caption
// follows it, and the height is the taller of the two plus 4 above and 4 below.
inline constexpr int kPlatformButtonMargin = 3; // left of the picture and right of the caption
inline constexpr int kPlatformButtonCaptionSpacing = 4;
inline constexpr int kPlatformButtonVerticalMargin = 4;
inline constexpr int kPlatformButtonExtraWidth = 1;

enum class EntryButtonKind {
    SmallRibbonButton, // bars fed by the "Ribbon - Silver" command list
    PlatformButton,    // bars fed by the "Platform Default" command lists
};

struct RibbonEntry
{
    QString caption; // as stored, with its "&" access mark
    EntryButtonKind kind = EntryButtonKind::SmallRibbonButton;
    // Size of the image list the picture comes from (16, 24 or 50); only platform buttons
    // size their picture place by it, ribbon buttons always reserve 16.
    int pictureSize = kSmallRibbonPictureSize;
    bool showCaption = true;
};

struct EntryGeometry
{
    QSize size;
    QRect picture; // picture place, relative to the entry's top left
    QRect caption; // null when the caption is not shown
};

QSize smallRibbonButtonSize(int captionWidth, bool showCaption);
QSize platformButtonSize(int pictureSize, int captionWidth, int captionHeight, bool showCaption);

// Size and inner layout of `entry`; `metrics` measures the caption without its access mark.
// Right-to-left puts the caption left of the picture.
EntryGeometry layoutEntry(const RibbonEntry &entry, const CaptionMetrics &metrics,
                          Qt::LayoutDirection direction = Qt::LeftToRight);

} // namespace Tagovnik::Ribbon
