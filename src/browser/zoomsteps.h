#pragma once

#include <QString>

namespace Tagovnik {

// The zoom levels the pane steps through, from 25% to 500%, as factors of the
// page's natural size.
namespace ZoomSteps {

inline constexpr double natural = 1.0;
inline constexpr double smallest = 0.25;
inline constexpr double largest = 5.0;

// The next level above (below) the factor; the largest (smallest) level stays.
// A factor between two levels moves to the nearer level in that direction.
double zoomedIn(double factor);
double zoomedOut(double factor);

// The factor in whole percent, rounded.
int percent(double factor);

// What the pane shows briefly after a change: "Zvětšení: 125 %".
QString indication(double factor);

} // namespace ZoomSteps

} // namespace Tagovnik
