#pragma once

#include "ribbon/geometry/ribbonbands.h"

#include <QList>
#include <QString>

// The rows of the ribbon's two menus, worked out from what was clicked and the ribbon's state:
// the context menu (a right-click on the tab row, a page, a group or the quick access
// toolbar) and the quick access toolbar's drop-down menu. A menu widget shows the rows and
// carries out the chosen row's command.
namespace Tagovnik::Ribbon {

enum class MenuRowKind { Item, CheckItem, Separator, Heading };

enum class MenuCommand {
    None,
    AddToToolbar,
    RemoveFromToolbar,
    Customize,
    MoreCommands,
    MoveToolbar,
    ToggleMinimised,
    ToggleEntryShown, // the toolbar entry of `toolbarEntry`
};

struct MenuRow
{
    MenuRowKind kind = MenuRowKind::Item;
    QString text{};
    MenuCommand command = MenuCommand::None;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int toolbarEntry = -1;

    friend bool operator==(const MenuRow &, const MenuRow &) = default;
};

// Where a right-click on the ribbon landed.
enum class ClickedPlace {
    TabRow,
    Page,       // a page's empty area, or anywhere else on the ribbon
    GroupEntry, // an entry of a group
    GroupArea,  // a group's empty area (or its collapsed button)
    ToolbarEntry,
    ToolbarBackground,
};

struct ClickedTarget
{
    ClickedPlace place = ClickedPlace::Page;
    // For a group entry: its command is on the toolbar and shown there. For a group's area:
    // the group has been added as a whole.
    bool alreadyOnToolbar = false;
};

struct RibbonMenuState
{
    bool minimised = false;
    bool captionOnly = false;
    bool hasToolbar = true;
    QuickAccessPosition toolbarPosition = QuickAccessPosition::AboveRibbon;
};

// Always six rows, in the menu's order; the rows that do not apply are not visible.
QList<MenuRow> contextMenuRows(const ClickedTarget &target, const RibbonMenuState &state);

// One entry of the toolbar's bar binding as the drop-down menu sees it.
struct ToolbarEntryRow
{
    QString caption{}; // as stored; an entry without one gets no row
    bool shown = true;
};

// The options of the toolbar that decide which of its own commands the menu offers.
struct DropDownOptions
{
    bool moreCommands = true;
    bool position = true;
    bool minimise = true;
};

// The drop-down menu's rows, visible ones only, in order.
QList<MenuRow> dropDownMenuRows(const QList<ToolbarEntryRow> &entries, const RibbonMenuState &state,
                                const DropDownOptions &options = {});

} // namespace Tagovnik::Ribbon
