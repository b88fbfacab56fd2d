#include "zoomsteps.h"

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Tagovnik::ZoomSteps {

namespace {

constexpr std::array levels = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 0.8, 0.9, 1.0, 1.1,
                               1.25, 1.5,     1.75, 2.0,     2.5,  3.0, 4.0, 5.0};
// Factors this close count as equal: the engine hands back what it was given,
// give or take rounding.
constexpr double tolerance = 0.001;

} // namespace

double zoomedIn(double factor)
{
    for (double level : levels) {
        if (level > factor + tolerance)
            return level;
    }
    return largest;
}

double zoomedOut(double factor)
{
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        if (*level < factor - tolerance)
            return *level;
    }
    return smallest;
}

int percent(double factor)
{
    return int(std::lround(factor * 100));
}

QString indication(double factor)
{
    return u"Zvětšení: %1 %"_s.arg(percent(factor));
}

} // namespace Tagovnik::ZoomSteps
