#include "ribbon/ribbonmenus.h"

#include "ribbon/captionbar/quickaccessendbutton.h"
#include "ribbon/captionbar/quickaccessoverflowpopup.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/menus/ribbonmenu.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/page/collapsedgroupbutton.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/page/ribbonpagewidget.h"

#include <QPointer>

namespace Tagovnik::Ribbon {

namespace {

// The nearest widget of type T from `widget` up through its parents.
template <typename T> T *enclosing(const QWidget *widget)
{
    for (QWidget *at = const_cast<QWidget *>(widget); at; at = at->parentWidget()) {
        if (auto *found = qobject_cast<T *>(at))
            return found;
    }
    return nullptr;
}

// The group whose entry or area was clicked, if any.
const GroupDefinition *clickedGroup(const QWidget *clicked)
{
    if (auto *collapsed = enclosing<CollapsedGroupButton>(clicked))
        return &collapsed->definition();
    if (auto *group = enclosing<RibbonGroupWidget>(clicked))
        return &group->definition();
    return nullptr;
}

} // namespace

RibbonMenus::RibbonMenus(RibbonMenuHost host, QObject *parent)
    : QObject(parent), m_host(std::move(host))
{
}

RibbonMenuState RibbonMenus::state() const
{
    return {.minimised = m_host.isMinimised(),
            .captionOnly = m_host.isCaptionOnly(),
            .hasToolbar = m_host.toolbar != nullptr,
            .toolbarPosition = m_host.model->position()};
}

ClickedTarget RibbonMenus::targetOf(const QWidget *clicked) const
{
    const QuickAccessToolbarModel &model = *m_host.model;
    if (auto *toolbar = enclosing<QuickAccessToolbarWidget>(clicked)) {
        auto *entry = enclosing<RibbonEntryButton>(clicked);
        if (entry && toolbar->entries().contains(entry))
            return {ClickedPlace::ToolbarEntry};
        return {ClickedPlace::ToolbarBackground};
    }
    if (const GroupDefinition *group = clickedGroup(clicked)) {
        if (auto *entry = enclosing<RibbonEntryButton>(clicked))
            return {ClickedPlace::GroupEntry, model.showsCommand(entry->entry().command)};
        return {ClickedPlace::GroupArea, model.hasGroup(group->name)};
    }
    if (enclosing<RibbonTabButton>(clicked) || clicked == m_host.helpButton)
        return {ClickedPlace::TabRow};
    return {ClickedPlace::Page};
}

void RibbonMenus::openContextMenu(QWidget *clicked, const QPoint &globalPos)
{
    // The caption-only ribbon offers no context menu.
    if (m_host.isCaptionOnly())
        return;
    auto *menu = new RibbonMenu(contextMenuRows(targetOf(clicked), state()), m_host.ribbon);
    menu->setObjectName(QStringLiteral("RibbonContextMenu"));
    connect(menu, &RibbonMenu::rowChosen, this,
            [this, menu, target = QPointer<QWidget>(clicked)](int row) {
                run(menu->rows().at(row), target);
            });
    menu->popup(globalPos);
}

void RibbonMenus::openDropDownMenu()
{
    const QuickAccessToolbarModel &model = *m_host.model;
    QList<ToolbarEntryRow> entries;
    for (const QuickAccessEntry &entry : model.entries())
        entries.append({entry.entry.caption, entry.shown});
    auto *menu = new RibbonMenu(dropDownMenuRows(entries, state()), m_host.ribbon);
    menu->setObjectName(QStringLiteral("QuickAccessToolbarMenu"));
    connect(menu, &RibbonMenu::rowChosen, this,
            [this, menu](int row) { run(menu->rows().at(row), nullptr); });
    const QAbstractButton *end = m_host.toolbar->endButton();
    const bool rightToLeft = end->layoutDirection() == Qt::RightToLeft;
    menu->popup(end->mapToGlobal(QPoint(rightToLeft ? end->width() : 0, end->height())));
}

void RibbonMenus::openFromEndButton()
{
    QuickAccessToolbarWidget *toolbar = m_host.toolbar;
    if (!toolbar->isOverflowing()) {
        openDropDownMenu();
        return;
    }
    auto *popup = new QuickAccessOverflowPopup(*m_host.context, *toolbar);
    connect(popup, &QuickAccessOverflowPopup::menuRequested, this, &RibbonMenus::openDropDownMenu);
    popup->popUp();
}

void RibbonMenus::run(const MenuRow &row, QWidget *clicked)
{
    QuickAccessToolbarModel &model = *m_host.model;
    switch (row.command) {
    case MenuCommand::AddToToolbar:
        if (!clicked)
            return;
        if (auto *entry = enclosing<RibbonEntryButton>(clicked))
            model.addEntry(entry->entry());
        else if (const GroupDefinition *group = clickedGroup(clicked))
            model.addGroup(*group);
        return;
    case MenuCommand::RemoveFromToolbar:
        if (auto *entry = clicked ? enclosing<RibbonEntryButton>(clicked) : nullptr)
            model.removeEntry(
                int(m_host.toolbar->entries().indexOf(entry)));
        return;
    case MenuCommand::Customize:
    case MenuCommand::MoreCommands:
        Q_EMIT customizeRequested();
        return;
    case MenuCommand::MoveToolbar:
        model.setPosition(model.position() == QuickAccessPosition::AboveRibbon
                              ? QuickAccessPosition::BelowRibbon
                              : QuickAccessPosition::AboveRibbon);
        return;
    case MenuCommand::ToggleMinimised:
        Q_EMIT minimiseToggleRequested();
        return;
    case MenuCommand::ToggleEntryShown:
        if (row.toolbarEntry >= 0 && row.toolbarEntry < model.entries().size())
            model.setShown(row.toolbarEntry, !model.entries().at(row.toolbarEntry).shown);
        return;
    case MenuCommand::None:
        return;
    }
}

} // namespace Tagovnik::Ribbon
