#include "ribbon/interaction/ribbonmenurows.h"

#include "ribbon/look/ribbontexts.h"

namespace Tagovnik::Ribbon {

namespace {

MenuRow item(const QString &text, MenuCommand command, bool enabled = true)
{
    return {.kind = MenuRowKind::Item, .text = text, .command = command, .enabled = enabled};
}

MenuRow separator(bool visible = true)
{
    return {.kind = MenuRowKind::Separator, .visible = visible};
}

MenuRow minimiseRow(const RibbonMenuState &state)
{
    MenuRow row = item(Texts::minimizeTheRibbon, MenuCommand::ToggleMinimised);
    row.kind = MenuRowKind::CheckItem;
    row.checked = state.minimised;
    return row;
}

bool isBelow(const RibbonMenuState &state)
{
    return state.toolbarPosition == QuickAccessPosition::BelowRibbon;
}

} // namespace

QList<MenuRow> contextMenuRows(const ClickedTarget &target, const RibbonMenuState &state)
{
    const bool toolbarUsable = state.hasToolbar && !state.captionOnly;
    const bool onGroup = target.place == ClickedPlace::GroupEntry ||
                         target.place == ClickedPlace::GroupArea;
    const bool onToolbarEntry = target.place == ClickedPlace::ToolbarEntry;

    MenuRow change = onToolbarEntry
                         ? item(Texts::removeFromQuickAccessToolbar, MenuCommand::RemoveFromToolbar,
                                toolbarUsable)
                         : item(Texts::addToQuickAccessToolbar, MenuCommand::AddToToolbar,
                                toolbarUsable && !target.alreadyOnToolbar);
    // A dropped-down page's groups offer no adding: the ribbon is minimised then.
    change.visible = onToolbarEntry || (onGroup && !state.minimised);

    return {
        change,
        separator(change.visible),
        item(Texts::customizeQuickAccessToolbarEllipsis, MenuCommand::Customize, toolbarUsable),
        item(isBelow(state) ? Texts::showQuickAccessToolbarAbove : Texts::showQuickAccessToolbarBelow,
             MenuCommand::MoveToolbar, toolbarUsable),
        separator(),
        minimiseRow(state),
    };
}

QList<MenuRow> dropDownMenuRows(const QList<ToolbarEntryRow> &entries, const RibbonMenuState &state,
                                const DropDownOptions &options)
{
    QList<MenuRow> rows;
    rows.append({.kind = MenuRowKind::Heading, .text = Texts::customizeQuickAccessToolbarEllipsis,
                 .enabled = false});
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).caption.isEmpty())
            continue;
        rows.append({.kind = MenuRowKind::CheckItem,
                     .text = entries.at(i).caption,
                     .command = MenuCommand::ToggleEntryShown,
                     .checked = entries.at(i).shown,
                     .toolbarEntry = int(i)});
    }
    rows.append(separator());
    if (options.moreCommands)
        rows.append(item(Texts::moreCommands, MenuCommand::MoreCommands));
    if (options.position)
        rows.append(item(isBelow(state) ? Texts::showAboveTheRibbon : Texts::showBelowTheRibbon,
                         MenuCommand::MoveToolbar));
    if (options.moreCommands || options.position)
        rows.append(separator());
    if (options.minimise)
        rows.append(minimiseRow(state));
    return rows;
}

} // namespace Tagovnik::Ribbon
