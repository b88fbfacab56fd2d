#include "ribbon/geometry/applicationmenulayout.h"

#include "ribbon/geometry/popupplacement.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

namespace {

int entryHeight(const ApplicationMenuEntry &entry)
{
    if (!entry.visible)
        return 0;
    return entry.separator ? kApplicationMenuSeparatorHeight : kApplicationMenuEntryHeight;
}

} // namespace

QString optionButtonText(const QString &caption)
{
    return u' ' + displayedCaption(caption);
}

int applicationMenuHeight(const QList<ApplicationMenuEntry> &entries)
{
    int height = 2 * kApplicationMenuVerticalMargin + kApplicationMenuExtraHeight;
    for (const ApplicationMenuEntry &entry : entries)
        height += entryHeight(entry);
    return height;
}

ApplicationMenuLayout layoutApplicationMenu(const ApplicationMenuInput &input)
{
    ApplicationMenuLayout layout;
    const int height = applicationMenuHeight(input.entries);

    // Over the button's lower part, moved left where it would pass the work area's right edge.
    layout.popup = placePopup({.anchor = input.applicationButton,
                               .hangAt = input.applicationButton.topLeft() + kApplicationMenuOffset,
                               .size = QSize(kApplicationMenuWidth, height),
                               .flipsAbove = false,
                               .keepsLeftEdge = false},
                              {input.workArea});

    int y = kApplicationMenuVerticalMargin;
    for (const ApplicationMenuEntry &entry : input.entries) {
        const int entryHeightNow = entryHeight(entry);
        if (entryHeightNow == 0) {
            layout.entries.append(QRect());
            layout.entryPictures.append(QRect());
            layout.entryCaptions.append(QRect());
            continue;
        }
        const QRect rect(kApplicationMenuLeftColumnLeft, y, kApplicationMenuLeftColumnWidth,
                         entryHeightNow);
        layout.entries.append(rect);
        if (entry.separator) {
            layout.entryPictures.append(QRect());
            layout.entryCaptions.append(QRect());
        } else {
            const QRect picture(rect.left() + kApplicationMenuPictureInset,
                                rect.top() + (rect.height() - kApplicationMenuPictureSize) / 2,
                                kApplicationMenuPictureSize, kApplicationMenuPictureSize);
            const int captionLeft =
                picture.left() + picture.width() + kApplicationMenuCaptionSpacing;
            layout.entryPictures.append(picture);
            layout.entryCaptions.append(QRect(
                captionLeft, rect.top(), rect.left() + rect.width() - captionLeft, rect.height()));
        }
        y += entryHeightNow;
    }
    layout.leftColumn = QRect(kApplicationMenuLeftColumnLeft, kApplicationMenuVerticalMargin,
                              kApplicationMenuLeftColumnWidth, y - kApplicationMenuVerticalMargin);

    const int paneLeft =
        kApplicationMenuLeftColumnLeft + kApplicationMenuLeftColumnWidth + kApplicationMenuPaneGap;
    layout.rightPane = QRect(paneLeft, layout.leftColumn.top(),
                             kApplicationMenuWidth - kApplicationMenuRightMargin - paneLeft,
                             layout.leftColumn.height());
    layout.heading = QRect(layout.rightPane.topLeft(),
                           QSize(layout.rightPane.width(), kApplicationMenuHeadingHeight));
    layout.recentItems = QRect(
        paneLeft, layout.heading.top() + kApplicationMenuHeadingHeight, layout.rightPane.width(),
        std::max(0, layout.rightPane.height() - kApplicationMenuHeadingHeight));

    int right = kApplicationMenuWidth - kOptionButtonRightInset;
    for (const QString &caption : input.optionCaptions) {
        const int textWidth =
            input.captionWidth ? input.captionWidth(optionButtonText(caption)) : 0;
        const int buttonWidth = textWidth + 2 * kOptionButtonPadding;
        layout.optionButtons.append(QRect(right - buttonWidth, height - kOptionButtonRise,
                                          buttonWidth, kOptionButtonHeight));
        right -= buttonWidth + kOptionButtonSpacing;
    }
    return layout;
}

} // namespace Tagovnik::Ribbon
