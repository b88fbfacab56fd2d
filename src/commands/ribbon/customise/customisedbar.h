#pragma once

#include <QString>

#include <functional>

namespace Tagovnik::Ribbon {

// A bar that the customise dialog's "Toolbars" page lists: the label it shows and how to tell
// and set whether the bar is on screen.
struct CustomisedBar
{
    QString label;
    std::function<bool()> isShown;
    std::function<void(bool)> setShown;
};

} // namespace Tagovnik::Ribbon
