#include "windowscaling.h"

#include <QtMath>

#include <algorithm>

namespace Tagovnik {

namespace WindowScaling {

int fontPixelHeight(int designPixelHeight, int pixelsPerInch, int designPixelsPerInch)
{
    return qRound(double(designPixelHeight) * pixelsPerInch / designPixelsPerInch);
}

double ratio(int measuredTextHeight, int designTextHeight)
{
    return double(measuredTextHeight) / designTextHeight;
}

QRect scaled(const QRect &designBounds, double ratio)
{
    const int left = qRound(designBounds.x() * ratio);
    const int top = qRound(designBounds.y() * ratio);
    const int width = qRound((designBounds.x() + designBounds.width()) * ratio) - left;
    const int height = qRound((designBounds.y() + designBounds.height()) * ratio) - top;
    return {left, top, width, height};
}

QSize scaled(const QSize &designSize, double ratio)
{
    return scaled(QRect(QPoint(0, 0), designSize), ratio).size();
}

QPoint centredPlacement(const QSize &windowSize, const QRect &workArea, const QRect &desktop)
{
    const int left = (workArea.width() - windowSize.width()) / 2;
    const int top = (workArea.height() - windowSize.height()) / 2;
    return {std::max(left, desktop.left()), std::max(top, desktop.top())};
}

} // namespace WindowScaling

} // namespace Tagovnik
