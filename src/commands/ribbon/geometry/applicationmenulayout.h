#pragma once

#include "ribbon/geometry/ribbonlayoutsupport.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

// The application menu pop-up opened by the application button: the command column on the
// left, the heading over the (empty) recent list on the right, and the option buttons such as
// " Konec" along the bottom.
namespace Tagovnik::Ribbon {

inline constexpr int kApplicationMenuWidth = 420;
inline constexpr int kApplicationMenuCornerRadius = 3;
inline constexpr int kApplicationMenuVerticalMargin = 18;
inline constexpr int kApplicationMenuExtraHeight = 11;
// The pop-up hangs from the application button so that it covers the button's lower 16.
inline constexpr QPoint kApplicationMenuOffset{-5, 22};

inline constexpr int kApplicationMenuEntryHeight = 44;
inline constexpr int kApplicationMenuSeparatorHeight = 2;
inline constexpr int kApplicationMenuPictureSize = 32;
inline constexpr int kApplicationMenuPictureInset = 6; // left of and above the picture place
inline constexpr int kApplicationMenuCaptionSpacing = 8;
inline constexpr int kApplicationMenuLeftColumnLeft = 6;
inline constexpr int kApplicationMenuLeftColumnWidth = 190;
inline constexpr int kApplicationMenuPaneGap = 4; // between the left column and the right pane
inline constexpr int kApplicationMenuRightMargin = 6;
inline constexpr int kApplicationMenuHeadingHeight = 24;

inline constexpr int kOptionButtonRise = 25; // button top above the pop-up's bottom edge
inline constexpr int kOptionButtonRightInset = 4;
inline constexpr int kOptionButtonSpacing = 3;
inline constexpr int kOptionButtonHeight = 22;
inline constexpr int kOptionButtonPadding = 6; // each side of the caption

struct ApplicationMenuEntry
{
    bool separator = false;
    bool visible = true;
};

struct ApplicationMenuInput
{
    QRect applicationButton; // in screen coordinates
    QRect workArea;          // the work area of the button's monitor
    QList<ApplicationMenuEntry> entries;
    QStringList optionCaptions; // as stored ("Konec"); each is shown after a space
    TextWidth captionWidth;     // for the option buttons
};

struct ApplicationMenuLayout
{
    QRect popup; // in screen coordinates; everything below is relative to its top left
    QRect leftColumn;
    QList<QRect> entries;       // one per input entry; null for hidden ones
    QList<QRect> entryPictures; // picture places; null for separators and hidden entries
    QList<QRect> entryCaptions; // null for separators and hidden entries
    QRect rightPane;
    QRect heading;              // the menu's caption in bold
    QRect recentItems;          // under the heading
    QList<QRect> optionButtons; // one per option caption, the first rightmost
};

// Text an option button shows for its command's caption.
QString optionButtonText(const QString &caption);

// Height of the pop-up for these left-column entries.
int applicationMenuHeight(const QList<ApplicationMenuEntry> &entries);

ApplicationMenuLayout layoutApplicationMenu(const ApplicationMenuInput &input);

} // namespace Tagovnik::Ribbon
