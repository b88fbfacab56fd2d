#include "ribbon/geometry/captionbarlayout.h"

#include "ribbon/geometry/ribbonlayoutsupport.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

QSize defaultCaptionButtonSize(int captionBarHeight)
{
    return QSize(kCaptionButtonWidth, captionBarHeight - kCaptionButtonBottomInset);
}

SystemButtons layoutSystemButtons(int ribbonWidth, int captionBarHeight, QSize buttonSize,
                                  Qt::LayoutDirection direction)
{
    const int top = captionBarHeight - kCaptionButtonBottomInset - buttonSize.height();
    const auto button = [&](int fromRight) {
        const QRect rect(ribbonWidth - fromRight * buttonSize.width(), top, buttonSize.width(),
                         buttonSize.height());
        return orientedRect(rect, ribbonWidth, direction);
    };
    return SystemButtons{button(3), button(2), button(1)};
}

namespace {

CaptionTextPlacement placeCaptionText(const CaptionBarInput &input, int minimumLeft, int rightLimit)
{
    const int textWidth = input.captionTextSize.width();
    const int textHeight = input.captionTextSize.height();
    const int drop = input.maximised ? kCaptionTextDropMaximised : kCaptionTextDrop;
    const int top = (input.captionBarHeight - textHeight) / 2 + drop;
    const int available = std::max(0, rightLimit - minimumLeft);

    if (textWidth > available)
        return {QRect(minimumLeft, top, available, textHeight), true};

    // Centred on the whole ribbon, pushed right past the toolbar, pulled back left of the
    // system buttons; the text fits, so the last step cannot cross the left limit.
    int left = std::max(minimumLeft, (input.ribbonWidth - textWidth) / 2);
    left = std::min(left, rightLimit - textWidth);
    return {QRect(left, top, textWidth, textHeight), false};
}

} // namespace

CaptionBarLayout layoutCaptionBar(const CaptionBarInput &input)
{
    const int width = input.ribbonWidth;
    const QSize buttonSize = input.captionButtonSize.isEmpty()
                                 ? defaultCaptionButtonSize(input.captionBarHeight)
                                 : input.captionButtonSize;

    CaptionBarLayout layout;
    // Computed left-to-right; mirrored at the end.
    layout.systemButtons = layoutSystemButtons(width, input.captionBarHeight, buttonSize);
    const int systemButtonsLeft = layout.systemButtons.minimise.left();

    int minimumTextLeft = kCaptionOnlyTextLeft;
    if (input.captionOnly) {
        layout.applicationIcon = kCaptionOnlyIcon;
    } else {
        layout.applicationButton = kApplicationButton;
        layout.applicationIcon = kApplicationIconInButton.translated(kApplicationButton.topLeft());
        int quickAccessWidth = 0;
        if (input.quickAccessPosition == QuickAccessPosition::AboveRibbon) {
            layout.quickAccess = layoutQuickAccessToolbarAbove(
                width, kApplicationButton.width(), layout.systemButtons.totalWidth(),
                input.quickAccessEntryWidths, input.direction);
            quickAccessWidth = layout.quickAccess.frame.width();
        }
        minimumTextLeft = kApplicationButton.width() + quickAccessWidth + kCaptionTextClearance;
    }
    layout.caption = placeCaptionText(input, minimumTextLeft, systemButtonsLeft);

    if (input.direction == Qt::RightToLeft) {
        layout.applicationButton = mirroredRect(layout.applicationButton, width);
        layout.applicationIcon = mirroredRect(layout.applicationIcon, width);
        layout.caption.rect = mirroredRect(layout.caption.rect, width);
        layout.systemButtons =
            layoutSystemButtons(width, input.captionBarHeight, buttonSize, Qt::RightToLeft);
    }
    return layout;
}

} // namespace Tagovnik::Ribbon
