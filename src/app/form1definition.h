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

// A command list: its name, by which commands and ribbon bars refer to it, the image list of
// its pictures and the style of its bars.
struct CommandListDefinition
{
    QStringView name;
    ImageListId images;
    QStringView styleName;
};

using Handler = void (TForm1::*)();

// One command: the list that owns it, by the list's name, and its properties. A row states
// only what differs from a TAction without picture, shortcut or handler.
struct CommandDefinition
{
    QStringView list;
    QStringView name;
    CommandKind kind = CommandKind::TAction;
    QStringView category = {};
    QStringView caption = {};
    QStringView hint = {};
    int imageIndex = -1;
    QKeyCombination shortcut = QKeyCombination(Qt::Key(0)); // Qt::Key(0): none
    bool autoCheck = false;
    Handler onExecute = nullptr; // none for the standard commands
};

// The command lists in creation order, which is the order in which shortcuts are looked up.
std::span<const CommandListDefinition> commandLists();
// Every command, each list's in its order.
std::span<const CommandDefinition> commands();

// Ribbon1: its pages and groups, the bar bindings with their entries, the
// application menu and the quick access toolbar.
const Ribbon::RibbonDefinition &ribbon();

} // namespace Form1Definition

} // namespace Tagovnik
