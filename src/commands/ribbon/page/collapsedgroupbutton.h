#pragma once

#include "ribbon/model/ribbonstructure.h"

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

class GroupDropDown;
class RibbonContext;
class RibbonGroupWidget;

// The button that stands on a page for a group collapsed because the page is too narrow. It is
// as high as a group, shows the group's caption and a drop-down arrow, and its accessible name
// is the group's caption. Clicking it drops the group's entries down in a pop-up below it.
class CollapsedGroupButton : public RibbonButton
{
    Q_OBJECT

public:
    CollapsedGroupButton(RibbonContext &context, const GroupDefinition &group,
                         QWidget *parent = nullptr);
    ~CollapsedGroupButton() override;

    const GroupDefinition &definition() const { return m_definition; }

    // Width on the page: the caption between paddings, at least the minimum (collapsedGroupWidth).
    int collapsedWidth() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Opens the pop-up below the button (above it where the screen ends), or closes it.
    void showDropDown();
    void hideDropDown();
    bool isDroppedDown() const;
    // The pop-up window and the group in it; both null until the first drop-down.
    QWidget *dropDown() const;
    RibbonGroupWidget *dropDownGroup() const { return m_dropDownGroup; }

protected:
    bool showsPressed() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ensureDropDown();

    RibbonContext &m_context;
    GroupDefinition m_definition;
    GroupDropDown *m_dropDown = nullptr;
    RibbonGroupWidget *m_dropDownGroup = nullptr;
};

} // namespace Tagovnik::Ribbon
