#include "ribbon/page/ribbonpagewidget.h"

#include "ribbon/controls/hoverhelp.h"
#include "ribbon/controls/ribbonbutton.h"
#include "ribbon/look/ribbontexts.h"

#include "ribbon/page/collapsedgroupbutton.h"
#include "ribbon/geometry/ribbonbands.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/geometry/ribbonpagelayout.h"
#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

// A narrow button along one edge of the page with an arrow towards that edge.
class PageScrollButton : public RibbonButton
{
public:
    PageScrollButton(Qt::ArrowType arrow, QWidget *parent) : RibbonButton(parent), m_arrow(arrow)
    {
        const bool left = arrow == Qt::LeftArrow;
        setObjectName(left ? u"scrollLeft"_s : u"scrollRight"_s);
        setAccessibleName(left ? Texts::scrollLeft : Texts::scrollRight);
        hide();
    }

    QSize sizeHint() const override { return {kPageScrollButtonWidth, kPageAreaHeight}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        using Palette::ButtonState;
        const QRectF box = QRectF(rect()).adjusted(1, 3, -1, -4);
        if (isDown()) {
            Palette::paintButton(painter, box, ButtonState::Pressed);
        } else if (underMouse()) {
            Palette::paintButton(painter, box, ButtonState::Hot);
        } else {
            // At rest a pale silver strip over the groups it covers.
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            QPainterPath path;
            path.addRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
            painter.fillPath(path, Palette::scrollButtonFill);
            painter.setPen(Palette::frame);
            painter.drawPath(path);
            painter.restore();
        }

        const QPointF centre = box.center();
        const qreal direction = m_arrow == Qt::LeftArrow ? -1 : 1;
        const QPointF arrow[] = {centre + QPointF(2 * direction, 0),
                                 centre + QPointF(-2 * direction, -4),
                                 centre + QPointF(-2 * direction, 4)};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::text);
        painter.drawPolygon(arrow, 3);
    }

private:
    Qt::ArrowType m_arrow;
};

} // namespace

RibbonPageWidget::RibbonPageWidget(RibbonContext &context, const PageDefinition &page,
                                   QWidget *parent)
    : QWidget(parent), m_definition(page)
{
    setObjectName(page.name);
    setAccessibleName(page.caption);
    setFont(context.font());

    for (const GroupDefinition &group : page.groups) {
        m_groups.append(new RibbonGroupWidget(context, group, this));
        auto *button = new CollapsedGroupButton(context, group, this);
        button->hide();
        m_collapsedButtons.append(button);
    }

    m_scrollLeft = new PageScrollButton(Qt::LeftArrow, this);
    m_scrollRight = new PageScrollButton(Qt::RightArrow, this);
    connect(m_scrollLeft, &QAbstractButton::clicked, this, &RibbonPageWidget::scrollLeft);
    connect(m_scrollRight, &QAbstractButton::clicked, this, &RibbonPageWidget::scrollRight);

    updateDisplayOrder();
    resize(sizeHint());
    placeGroups();
}

RibbonPageWidget::~RibbonPageWidget() = default;

QList<RibbonGroupWidget *> RibbonPageWidget::groupsInDisplayOrder() const
{
    QList<RibbonGroupWidget *> groups;
    groups.reserve(m_displayOrder.size());
    for (int position : m_displayOrder)
        groups.append(m_groups.at(position));
    return groups;
}

int RibbonPageWidget::displayPosition(const RibbonGroupWidget *group) const
{
    const qsizetype defined = m_groups.indexOf(group);
    return defined < 0 ? -1 : int(m_displayOrder.indexOf(int(defined)));
}

void RibbonPageWidget::setGroupShown(const RibbonGroupWidget *group, bool shown)
{
    const int defined = int(m_groups.indexOf(group));
    if (defined < 0 || shown == !m_hiddenGroups.contains(defined))
        return;
    if (shown) {
        m_hiddenGroups.removeOne(defined);
    } else {
        m_hiddenGroups.append(defined);
        m_collapsedButtons.at(defined)->hideDropDown();
        m_collapsedButtons.at(defined)->hide();
        m_groups.at(defined)->hide();
    }
    updateDisplayOrder();
    updateCollapsing();
}

bool RibbonPageWidget::isGroupShown(const RibbonGroupWidget *group) const
{
    const int defined = int(m_groups.indexOf(group));
    return defined >= 0 && !m_hiddenGroups.contains(defined);
}

bool RibbonPageWidget::isCollapsed(const RibbonGroupWidget *group) const
{
    const int position = displayPosition(group);
    return position >= 0 && m_collapse.isCollapsed(position);
}

CollapsedGroupButton *RibbonPageWidget::collapsedButton(const RibbonGroupWidget *group) const
{
    const qsizetype defined = m_groups.indexOf(group);
    return defined < 0 ? nullptr : m_collapsedButtons.at(defined);
}

QList<RibbonEntryButton *> RibbonPageWidget::visibleEntries() const
{
    QList<RibbonEntryButton *> entries;
    for (int position = 0; position < m_displayOrder.size(); ++position) {
        const int defined = m_displayOrder.at(position);
        if (!m_collapse.isCollapsed(position)) {
            entries.append(m_groups.at(defined)->entries());
            continue;
        }
        const CollapsedGroupButton *button = m_collapsedButtons.at(defined);
        if (button->isDroppedDown())
            entries.append(button->dropDownGroup()->entries());
    }
    return entries;
}

QList<CollapsibleGroup> RibbonPageWidget::collapsibleGroups() const
{
    QList<CollapsibleGroup> groups;
    groups.reserve(m_displayOrder.size());
    for (int defined : m_displayOrder) {
        // Every entry of a page is a small button: no galleries, no large buttons, no other
        // controls, so every group may collapse.
        groups.append({m_groups.at(defined)->expandedWidth(),
                       m_collapsedButtons.at(defined)->collapsedWidth(), true});
    }
    return groups;
}

void RibbonPageWidget::updateDisplayOrder()
{
    QList<int> indices;
    indices.reserve(m_definition.groups.size());
    for (const GroupDefinition &group : std::as_const(m_definition.groups))
        indices.append(group.groupIndex);
    QList<int> order = groupDisplayOrder(indices, layoutDirection());
    order.removeIf([this](int defined) { return m_hiddenGroups.contains(defined); });
    if (order == m_displayOrder)
        return;
    // The stack refers to display positions, which now mean other groups.
    m_displayOrder = order;
    m_collapse.clear();
}

void RibbonPageWidget::updateCollapsing()
{
    m_collapse.update(collapsibleGroups(), width());
    placeGroups();
}

void RibbonPageWidget::placeGroups()
{
    const PageLayout layout =
        layoutPage(m_collapse.displayedWidths(collapsibleGroups()), size(), m_scrollOffset);
    m_scrollOffset = layout.scrollOffset;

    for (int position = 0; position < m_displayOrder.size(); ++position) {
        const int defined = m_displayOrder.at(position);
        RibbonGroupWidget *group = m_groups.at(defined);
        CollapsedGroupButton *button = m_collapsedButtons.at(defined);
        const QRect place = layout.groups.at(position);
        if (m_collapse.isCollapsed(position)) {
            group->hide();
            button->setGeometry(place);
            button->show();
        } else {
            button->hideDropDown();
            button->hide();
            group->setGeometry(place);
            group->show();
        }
    }

    m_scrollLeft->setGeometry(layout.scrollLeft);
    m_scrollLeft->setVisible(!layout.scrollLeft.isNull());
    m_scrollLeft->raise();
    m_scrollRight->setGeometry(layout.scrollRight);
    m_scrollRight->setVisible(!layout.scrollRight.isNull());
    m_scrollRight->raise();
}

// Scrolling moves by whole groups: the next group cut off at the right edge comes fully into
// view at the right, the next one cut off at the left edge at the left.
void RibbonPageWidget::scrollRight()
{
    const PageLayout layout =
        layoutPage(m_collapse.displayedWidths(collapsibleGroups()), size(), m_scrollOffset);
    const int visibleRight = width() - kPageScrollButtonWidth;
    for (const QRect &group : layout.groups) {
        const int right = group.x() + group.width();
        if (right > visibleRight) {
            m_scrollOffset -= right - visibleRight;
            break;
        }
    }
    placeGroups();
}

void RibbonPageWidget::scrollLeft()
{
    const PageLayout layout =
        layoutPage(m_collapse.displayedWidths(collapsibleGroups()), size(), m_scrollOffset);
    for (qsizetype i = layout.groups.size() - 1; i >= 0; --i) {
        const int left = layout.groups.at(i).x();
        if (left < kPageScrollButtonWidth) {
            m_scrollOffset += kPageScrollButtonWidth - left;
            break;
        }
    }
    placeGroups();
}

QSize RibbonPageWidget::sizeHint() const
{
    QList<int> widths;
    for (int defined : m_displayOrder)
        widths.append(m_groups.at(defined)->expandedWidth());
    return {pageWidthNeeded(widths), kPageAreaHeight};
}

QSize RibbonPageWidget::minimumSizeHint() const
{
    return {0, kPageAreaHeight};
}

bool RibbonPageWidget::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    switch (event->type()) {
    case QEvent::LayoutRequest:
        // A group's width changed.
        updateCollapsing();
        return true;
    default:
        return QWidget::event(event);
    }
}

void RibbonPageWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange) {
        updateDisplayOrder();
        updateCollapsing();
    }
    QWidget::changeEvent(event);
}

void RibbonPageWidget::resizeEvent(QResizeEvent *event)
{
    // Collapsing follows the page's width; the page is laid out when it is shown, since a
    // hidden widget receives its resize event then.
    updateCollapsing();
    QWidget::resizeEvent(event);
}

void RibbonPageWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintPage(painter, rect());
}

} // namespace Tagovnik::Ribbon
