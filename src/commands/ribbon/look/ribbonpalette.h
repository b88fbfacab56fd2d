#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

class QPainter;

// The "Ribbon - Silver" look: light silver gradients, a soft blue-grey frame,
// warm highlights for hot and pressed buttons. Every ribbon widget paints with
// these, so the look stays one.
namespace Tagovnik::Ribbon::Palette {

enum class ButtonState { Normal, Hot, Pressed, Checked };

inline constexpr QColor text{0x1e, 0x39, 0x5b};
inline constexpr QColor disabledText{0x8d, 0x8d, 0x8d};
inline constexpr QColor captionText{0x3e, 0x4a, 0x5c};
inline constexpr QColor frame{0xa9, 0xb1, 0xbd};
inline constexpr QColor captionBarTop{0xf4, 0xf6, 0xf9};
inline constexpr QColor captionBarBottom{0xdc, 0xe1, 0xe8};
inline constexpr QColor pageTop{0xfb, 0xfb, 0xfc};
inline constexpr QColor pageBottom{0xe3, 0xe7, 0xec};
inline constexpr QColor groupCaptionBand{0xd5, 0xdb, 0xe3};
inline constexpr QColor closeHot{0xd9, 0x3a, 0x2b};
// Text and glyphs of the caption bar while the window is inactive.
inline constexpr QColor inactiveCaptionText{0x8e, 0x97, 0xa5};
inline constexpr QColor white{0xff, 0xff, 0xff};

// The window's minimise, maximise and close buttons: a dark glyph on a tint of the text colour.
inline constexpr QColor systemGlyph{0x2c, 0x3a, 0x4e};
inline constexpr QColor systemButtonHot{0x1e, 0x39, 0x5b, 30};
inline constexpr QColor systemButtonPressed{0x1e, 0x39, 0x5b, 58};

// The help button: a blue disc with a white question mark.
inline constexpr QColor helpDiscLight{0x6f, 0xa8, 0xe8};
inline constexpr QColor helpDiscDark{0x1f, 0x5c, 0xb0};
inline constexpr QColor helpDiscRim{0x1a, 0x4a, 0x8c};

// Boxes that sit on a page at rest: the collapsed group's picture box, the scroll buttons.
inline constexpr QColor pictureBoxFill{0xff, 0xff, 0xff, 0xc0};
inline constexpr QColor scrollButtonFill{0xff, 0xff, 0xff, 0xe0};

// The quick access toolbar's shelf on the caption bar.
inline constexpr QColor toolbarShelfTop{0xff, 0xff, 0xff, 150};
inline constexpr QColor toolbarShelfBottom{0xff, 0xff, 0xff, 60};
inline constexpr QColor toolbarShelfRim{0x9a, 0xa6, 0xb6, 150};

// The application menu: a silver body, a white panel and a paler pane for the recent list.
inline constexpr QColor menuBackdrop{0xd4, 0xda, 0xe2};
inline constexpr QColor menuBodyTop{0xf1, 0xf4, 0xf8};
inline constexpr QColor menuBodyBottom{0xd5, 0xdc, 0xe5};
inline constexpr QColor menuRim{0x8e, 0x9a, 0xab};
inline constexpr QColor menuInnerRim{0xff, 0xff, 0xff, 170};
inline constexpr QColor menuPane{0xf5, 0xf7, 0xfa};
inline constexpr QColor menuPaneDivider{0xd7, 0xdd, 0xe5};
inline constexpr QColor menuPanelFrame{0xa9, 0xb3, 0xc1};
inline constexpr QColor menuRule{0xc5, 0xcc, 0xd6};
// The menu's option buttons at rest.
inline constexpr QColor optionButtonTop{0xfd, 0xfd, 0xfe};
inline constexpr QColor optionButtonBottom{0xe6, 0xea, 0xf0};
inline constexpr QColor optionButtonFrame{0xa3, 0xad, 0xbb};

// The round application button: a silver ball whose glow warms up under the mouse.
inline constexpr QColor applicationBallTop{0xfb, 0xfc, 0xfd};
inline constexpr QColor applicationBallUpperMiddle{0xd3, 0xda, 0xe4};
inline constexpr QColor applicationBallLowerMiddle{0xb6, 0xc1, 0xd0};
inline constexpr QColor applicationBallBottom{0xcf, 0xd7, 0xe2};
inline constexpr QColor applicationGlowNormal{0xff, 0xff, 0xff, 190};
inline constexpr QColor applicationGlowHot{0xff, 0xd8, 0x6e, 235};
inline constexpr QColor applicationGlowPressed{0xf7, 0x9f, 0x38, 240};
inline constexpr QColor applicationGlossTop{0xff, 0xff, 0xff, 235};
inline constexpr QColor applicationGlossBottom{0xff, 0xff, 0xff, 40};
inline constexpr QColor applicationRim{0x6e, 0x7b, 0x8e};
inline constexpr QColor applicationInnerRim{0xff, 0xff, 0xff, 150};
// The shadow a page dropped down from the minimised ribbon casts on the pane below.
inline constexpr QColor droppedPageShadowTop{0x00, 0x00, 0x00, 70};
inline constexpr QColor droppedPageShadowBottom{0x00, 0x00, 0x00, 0};

// Key tips: a small white-to-silver label with a darker frame and a soft shadow; the keyboard
// focus mark: a dotted line of the text colour over a light halo.
inline constexpr QColor keyTipTop{0xff, 0xff, 0xff};
inline constexpr QColor keyTipBottom{0xdc, 0xe1, 0xe8};
inline constexpr QColor keyTipFrame{0x87, 0x8e, 0x97};
inline constexpr QColor keyTipShadow{0x40, 0x50, 0x68, 0x50};
inline constexpr QColor focusMarkHalo{0xff, 0xff, 0xff, 200};

// The caption bar and tab row background across a rectangle.
void paintCaptionBar(QPainter &painter, const QRectF &rect);
// The page area below the tabs, with its frame.
void paintPage(QPainter &painter, const QRectF &rect);
// A group: its frame and the caption band with the caption text along the bottom.
void paintGroup(QPainter &painter, const QRectF &rect, int captionBandHeight);
// A button's background for its state; Normal paints nothing.
void paintButton(QPainter &painter, const QRectF &rect, ButtonState state, qreal radius = 2.5);
// A vertical gradient from `top` to `bottom` across `rect`.
QLinearGradient vertical(const QRectF &rect, const QColor &top, const QColor &bottom);
// A tab: selected tabs join the page below them; hot tabs get a light outline.
void paintTab(QPainter &painter, const QRectF &rect, bool selected, bool hot);

} // namespace Tagovnik::Ribbon::Palette
