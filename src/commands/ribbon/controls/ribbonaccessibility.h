#pragma once

// Screen readers see the ribbon's tabs as page tabs and the application menu's
// rows as menu items; every other ribbon control is a plain button, which Qt
// gives it already. Install once, before the ribbon is shown.
namespace Tagovnik::Ribbon {

void installRibbonAccessibility();

} // namespace Tagovnik::Ribbon
