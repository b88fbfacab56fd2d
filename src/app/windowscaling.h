#pragma once

#include <QRect>
#include <QSize>

namespace Tagovnik {

// The window was designed at 96 pixels per inch with a text height of 13; on
// other screens and with other fonts its sizes follow the measured text.
namespace WindowScaling {

// The window font's pixel height at the screen's pixels per inch.
int fontPixelHeight(int designPixelHeight, int pixelsPerInch, int designPixelsPerInch = 96);

// measured / design text height; 1 when they agree, so sizes stay as designed.
double ratio(int measuredTextHeight, int designTextHeight = 13);

// Positions scale by r; sizes scale so that right and bottom edges land where the
// scaled edges are, each product rounded to the nearest integer.
QRect scaled(const QRect &designBounds, double ratio);
QSize scaled(const QSize &designSize, double ratio);

// The restored placement: centred on the work area's size, raised to the
// desktop's left and top edges when it would start before them.
QPoint centredPlacement(const QSize &windowSize, const QRect &workArea, const QRect &desktop);

} // namespace WindowScaling

} // namespace Tagovnik
