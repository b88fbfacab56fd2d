#pragma once

#include "ribbon/controls/ribbonpopup.h"
#include "ribbon/model/ribbonstructure.h"

namespace Tagovnik::Ribbon {

class RibbonContext;
class RibbonGroupWidget;

// A group's entries dropped down below a button that stands for the group: a pop-up holding a
// group widget of its own, built from the same definition. Choosing an entry closes it and runs
// the entry's command; a click anywhere else or Escape closes it, a click on its button only
// closes it.
class GroupDropDown : public RibbonPopup
{
    Q_OBJECT

public:
    GroupDropDown(RibbonContext &context, const GroupDefinition &group, QWidget *owner);

    RibbonGroupWidget *group() const { return m_group; }
    // Sizes the pop-up to the group laid out at its full width.
    void fitGroup();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    RibbonGroupWidget *m_group;
};

} // namespace Tagovnik::Ribbon
