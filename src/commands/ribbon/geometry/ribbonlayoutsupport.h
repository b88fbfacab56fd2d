#pragma once

#include <QRect>
#include <QString>

#include <functional>

// Small pieces shared by the ribbon's layout rules. The rules themselves never touch a font:
// whoever draws the ribbon measures texts and hands the numbers in.
namespace Tagovnik::Ribbon {

// Width in pixels of one line of text in the font the caller draws it with.
using TextWidth = std::function<int(const QString &text)>;

// How captions of one kind of entry are measured: width per text, and the line height.
struct CaptionMetrics
{
    TextWidth width;
    int height = 0;
};

// The caption as shown on a ribbon button: "&" access marks removed, "&&" kept as one "&".
QString displayedCaption(const QString &caption);

// `rect` reflected within a strip of the given width, for right-to-left layouts; a null
// rectangle stays null so that "hidden" survives mirroring.
QRect mirroredRect(const QRect &rect, int width);

// Whether `point` falls on the round button drawn in the square `button`: the square's corners
// belong to what lies behind it.
bool withinRoundButton(const QRectF &button, const QPointF &point);

// Mirrors `rect` only when `direction` is right-to-left.
QRect orientedRect(const QRect &rect, int width, Qt::LayoutDirection direction);

} // namespace Tagovnik::Ribbon
