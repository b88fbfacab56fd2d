#pragma once

#include <QSize>
#include <QStringView>

// The main window's definition: every component with its captions, sizes and
// bindings, read when the window is built. The program's behaviour lies in this
// definition and in the few handlers of TForm1.
namespace Form1Definition {

inline constexpr QStringView caption = u"Tagovnik";
inline constexpr QSize designClientSize{1279, 691};

inline constexpr QStringView fontFamily = u"Tahoma";
inline constexpr int fontPixelHeight = 11;
// The height of the digit "0" in the window font when the window was designed.
inline constexpr int designTextHeight = 13;
inline constexpr int designPixelsPerInch = 96;

} // namespace Form1Definition
