#include "ribbon/captionbar/quickaccessgroupbutton.h"

#include "ribbon/captionbar/quickaccessendbutton.h"
#include "ribbon/page/groupdropdown.h"

namespace Tagovnik::Ribbon {

namespace {

// The group's caption with the picture of its first entry. Indices 0-11 depict the same
// subjects in every image list, so the toolbar's own list shows it at the toolbar's size.
EntryDefinition withFirstPicture(EntryDefinition entry, const GroupDefinition &group)
{
    for (const EntryDefinition &member : group.entries) {
        if (!member.isSeparator()) {
            entry.imageIndex = member.imageIndex;
            break;
        }
    }
    return entry;
}

} // namespace

QuickAccessGroupButton::QuickAccessGroupButton(RibbonContext &context, const GroupDefinition &group,
                                               const EntryDefinition &entry, ActionManager &barList,
                                               QWidget *parent)
    : RibbonEntryButton(context, withFirstPicture(entry, group), barList, Kind::SmallRibbon, parent),
      m_context(context), m_group(group)
{
    setObjectName(group.name + u"QuickAccess");
    // It runs no command of its own, so nothing disables it.
    setEnabled(true);
    connect(this, &QAbstractButton::clicked, this, &QuickAccessGroupButton::showDropDown);
}

void QuickAccessGroupButton::showDropDown()
{
    if (!m_dropDown)
        m_dropDown = new GroupDropDown(m_context, m_group, this);
    if (m_dropDown->isVisible())
        return;
    m_dropDown->setLayoutDirection(layoutDirection());
    m_dropDown->fitGroup();
    // Out of sight on the toolbar (its key tip still reaches it), the group drops down below
    // the toolbar's end button, behind which it waits.
    const QWidget *anchor = this;
    if (!isVisible() && parentWidget()) {
        if (auto *end = parentWidget()->findChild<QuickAccessEndButton *>(
                {}, Qt::FindDirectChildrenOnly))
            anchor = end;
    }
    m_dropDown->showBelow(QRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size()));
}

bool QuickAccessGroupButton::isDroppedDown() const
{
    return m_dropDown && m_dropDown->isVisible();
}

} // namespace Tagovnik::Ribbon
