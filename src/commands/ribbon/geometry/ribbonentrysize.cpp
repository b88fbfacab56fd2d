#include "ribbon/geometry/ribbonentrysize.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

QSize smallRibbonButtonSize(int captionWidth, bool showCaption)
{
    int width = kRibbonButtonMargin + kSmallRibbonPictureSize + kRibbonButtonMargin;
    if (showCaption)
        width += kRibbonButtonCaptionSpacing + captionWidth;
    return QSize(width, kSmallRibbonButtonHeight);
}

QSize platformButtonSize(int pictureSize, int captionWidth, int captionHeight, bool showCaption)
{
    const int content = showCaption ? std::max(pictureSize, captionHeight) : pictureSize;
    int width =
        kPlatformButtonMargin + pictureSize + kPlatformButtonMargin + kPlatformButtonExtraWidth;
    if (showCaption)
        width += kPlatformButtonCaptionSpacing + captionWidth;
    return QSize(width, content + 2 * kPlatformButtonVerticalMargin);
}

EntryGeometry layoutEntry(const RibbonEntry &entry, const CaptionMetrics &metrics,
                          Qt::LayoutDirection direction)
{
    const int captionWidth =
        entry.showCaption && metrics.width ? metrics.width(displayedCaption(entry.caption)) : 0;

    EntryGeometry geometry;
    int margin = 0;
    int picture = 0;
    int spacing = 0;
    if (entry.kind == EntryButtonKind::SmallRibbonButton) {
        geometry.size = smallRibbonButtonSize(captionWidth, entry.showCaption);
        margin = kRibbonButtonMargin;
        picture = kSmallRibbonPictureSize;
        spacing = kRibbonButtonCaptionSpacing;
    } else {
        geometry.size =
            platformButtonSize(entry.pictureSize, captionWidth, metrics.height, entry.showCaption);
        margin = kPlatformButtonMargin;
        picture = entry.pictureSize;
        spacing = kPlatformButtonCaptionSpacing;
    }

    const int height = geometry.size.height();
    geometry.picture = QRect(margin, (height - picture) / 2, picture, picture);
    if (entry.showCaption) {
        geometry.caption = QRect(margin + picture + spacing, (height - metrics.height) / 2,
                                 captionWidth, metrics.height);
    }
    geometry.picture = orientedRect(geometry.picture, geometry.size.width(), direction);
    geometry.caption = orientedRect(geometry.caption, geometry.size.width(), direction);
    return geometry;
}

} // namespace Tagovnik::Ribbon
