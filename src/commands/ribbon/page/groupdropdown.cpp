#include "ribbon/page/groupdropdown.h"

#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/ribboncollapse.h"
#include "ribbon/geometry/ribbongrouplayout.h"
#include "ribbon/interaction/popupkeys.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/page/ribbongroupwidget.h"

#include <QEvent>
#include <QPainter>

namespace Tagovnik::Ribbon {

// The pop-up frames its group as a page frames its groups.
static constexpr int kDropDownMargin = 3;

GroupDropDown::GroupDropDown(RibbonContext &context, const GroupDefinition &group, QWidget *owner)
    : RibbonPopup(owner, owner), m_group(new RibbonGroupWidget(context, group, this))
{
    setObjectName(group.name + u"DropDown");
    setAccessibleName(group.caption);
    QList<KeyboardItem> items;
    for (RibbonEntryButton *entry : m_group->entries()) {
        watchChoice(entry);
        // Chosen another way (a screen reader's press), the entry closes the pop-up too.
        connect(entry, &QAbstractButton::clicked, this, &QWidget::close);
        items.append(KeyboardItem{entry, accessLetterOf(entry->entry().caption)});
    }
    setKeyboardItems(items, ItemFlow::Column);
    fitGroup();
}

void GroupDropDown::fitGroup()
{
    m_group->setGeometry(kDropDownMargin, kDropDownMargin, m_group->expandedWidth(), kGroupHeight);
    resize(m_group->expandedWidth() + 2 * kDropDownMargin, kGroupHeight + 2 * kDropDownMargin);
}

bool GroupDropDown::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest) {
        fitGroup();
        return true;
    }
    return RibbonPopup::event(event);
}

void GroupDropDown::hideEvent(QHideEvent *event)
{
    if (owner())
        owner()->update(); // no longer shown pressed
    RibbonPopup::hideEvent(event);
}

void GroupDropDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintPage(painter, rect());
}

} // namespace Tagovnik::Ribbon
