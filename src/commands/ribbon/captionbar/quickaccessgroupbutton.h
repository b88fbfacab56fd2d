#pragma once

#include "ribbon/controls/ribbonentrybutton.h"

namespace Tagovnik::Ribbon {

class GroupDropDown;

// A group added to the quick access toolbar as a whole: a picture-only button named after the
// group that drops the group's entries down below it when pressed, as a collapsed group does.
// It shows the picture of the group's first entry.
class QuickAccessGroupButton : public RibbonEntryButton
{
    Q_OBJECT

public:
    QuickAccessGroupButton(RibbonContext &context, const GroupDefinition &group,
                           const EntryDefinition &entry, ActionManager &barList,
                           QWidget *parent = nullptr);

    const GroupDefinition &group() const { return m_group; }
    void showDropDown();
    bool isDroppedDown() const;
    // Null until the first drop-down.
    GroupDropDown *dropDown() const { return m_dropDown; }

private:
    RibbonContext &m_context;
    GroupDefinition m_group;
    GroupDropDown *m_dropDown = nullptr;
};

} // namespace Tagovnik::Ribbon
