#pragma once

#include <QColor>
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

// The caption bar and tab row background across a rectangle.
void paintCaptionBar(QPainter &painter, const QRectF &rect);
// The page area below the tabs, with its frame.
void paintPage(QPainter &painter, const QRectF &rect);
// A group: its frame and the caption band with the caption text along the bottom.
void paintGroup(QPainter &painter, const QRectF &rect, int captionBandHeight);
// A button's background for its state; Normal paints nothing.
void paintButton(QPainter &painter, const QRectF &rect, ButtonState state, qreal radius = 2.5);
// A tab: selected tabs join the page below them; hot tabs get a light outline.
void paintTab(QPainter &painter, const QRectF &rect, bool selected, bool hot);

} // namespace Tagovnik::Ribbon::Palette
