#pragma once

#include "commandkind.h"
#include "imagelistid.h"
#include "ribbon/model/ribbonstructure.h"

#include <QKeyCombination>
#include <QSize>
#include <QStringView>

#include <span>

namespace Tagovnik {

class TForm1;

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

// The command lists, in creation order: the order in which shortcuts are looked up.
struct CommandListDefinition
{
    QStringView name;
    ImageListId images;
    QStringView styleName;
};

using Handler = void (TForm1::*)();

struct CommandDefinition
{
    int list; // index into commandLists()
    QStringView name;
    CommandKind kind;
    QStringView category;
    QStringView caption;
    QStringView hint;
    int imageIndex;
    QKeyCombination shortcut; // Qt::Key(0): none
    bool autoCheck;
    Handler onExecute; // nullptr for the standard commands
};

std::span<const CommandListDefinition> commandLists();
std::span<const CommandDefinition> commands();

// Ribbon1: its pages and groups, the bar bindings with their entries, the
// application menu and the quick access toolbar.
const Ribbon::RibbonDefinition &ribbon();

} // namespace Form1Definition

} // namespace Tagovnik
