#include "ribbon/geometry/ribbonbands.h"

#include <algorithm>
#include <cmath>

namespace Tagovnik::Ribbon {

int scaledLength(int length, int dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(length) * dpi / kReferenceDpi));
}

int captionBarHeight(int dpi, std::optional<int> platformHeight)
{
    const int base = platformHeight.value_or(kCaptionBarHeightWithoutThemes);
    return std::max(kMinimumCaptionBarHeight, scaledLength(base, dpi));
}

bool isCaptionOnly(QSize clientSize)
{
    return clientSize.height() <= kCaptionOnlyMaximumHeight ||
           clientSize.width() < kCaptionOnlyWidthBelow;
}

int ribbonHeight(const RibbonState &state)
{
    const int h = state.captionBarHeight;
    // The quick access toolbar is hidden along with everything else below the caption bar.
    if (state.captionOnly)
        return h;
    const int body =
        scaledLength(state.minimised ? kMinimisedBodyHeight : kExpandedBodyHeight, state.dpi);
    const int strip = state.quickAccessPosition == QuickAccessPosition::BelowRibbon
                          ? scaledLength(kQuickAccessStripHeight, state.dpi)
                          : 0;
    return h + body + strip;
}

RibbonBands layoutRibbonBands(const RibbonState &state, int ribbonWidth)
{
    const int h = state.captionBarHeight;
    RibbonBands bands;
    bands.height = ribbonHeight(state);
    bands.captionBar = QRect(0, 0, ribbonWidth, h);
    bands.pageArea =
        QRect(0, h + scaledLength(kPageAreaOffset, state.dpi),
              ribbonWidth - kPageAreaWidthShortfall, scaledLength(kPageAreaHeight, state.dpi));
    if (state.captionOnly)
        return bands;

    bands.tabRow = QRect(0, h + scaledLength(kTabRowOffset, state.dpi), ribbonWidth,
                         scaledLength(kTabRowHeight, state.dpi));
    bands.pageShown = !state.minimised;
    if (state.quickAccessPosition == QuickAccessPosition::BelowRibbon) {
        const int stripHeight = scaledLength(kQuickAccessStripHeight, state.dpi);
        bands.quickAccessStrip = QRect(0, bands.height - stripHeight, ribbonWidth, stripHeight);
    }
    return bands;
}

} // namespace Tagovnik::Ribbon
