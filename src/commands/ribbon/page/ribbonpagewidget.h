#pragma once

#include "ribbon/geometry/ribboncollapse.h"
#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QWidget>

class QAbstractButton;

namespace Tagovnik::Ribbon {

class CollapsedGroupButton;
class RibbonContext;
class RibbonEntryButton;
class RibbonGroupWidget;

// The body of one ribbon tab: the page area with the page's groups side by side. The holder
// gives it the page area's geometry (the ribbon's width less 1, 93 high). Groups stand in
// ascending GroupIndex (descending when the page reads right-to-left), groups with equal
// indices in definition order, the first at 4, each next 2 further right, all at top 3.
//
// On every resize the page re-evaluates its stack of collapsed groups (collapsing from the
// last group, expanding the most recently collapsed first); a collapsed group is hidden and a
// CollapsedGroupButton stands in its place. Groups that still do not fit are reached with
// scroll buttons at the page's edges. The page takes no wheel events, so they pass on to the
// ribbon.
//
// A hidden page receives its resize event only when it is shown (Qt holds it back until then),
// so the page that is selected later collapses its groups for its width at that moment.
class RibbonPageWidget : public QWidget
{
    Q_OBJECT

public:
    RibbonPageWidget(RibbonContext &context, const PageDefinition &page, QWidget *parent = nullptr);
    ~RibbonPageWidget() override;

    const PageDefinition &definition() const { return m_definition; }
    // The groups in definition order, and in the order they stand on the page.
    const QList<RibbonGroupWidget *> &groups() const { return m_groups; }
    QList<RibbonGroupWidget *> groupsInDisplayOrder() const;

    // A hidden group leaves the page and the groups after it close up.
    void setGroupShown(const RibbonGroupWidget *group, bool shown);
    bool isGroupShown(const RibbonGroupWidget *group) const;

    bool isCollapsed(const RibbonGroupWidget *group) const;
    // The button that stands for `group` while it is collapsed (hidden otherwise).
    CollapsedGroupButton *collapsedButton(const RibbonGroupWidget *group) const;

    // Entry buttons that are on screen now: the entries of expanded groups, and those of a
    // collapsed group while its drop-down is open. The ribbon evaluates their commands at idle
    // moments.
    QList<RibbonEntryButton *> visibleEntries() const;

    // How far the groups are shifted left by scrolling (zero or negative), and the buttons that
    // scroll (hidden when there is nothing to scroll to on their side).
    int scrollOffset() const { return m_scrollOffset; }
    QAbstractButton *scrollLeftButton() const { return m_scrollLeft; }
    QAbstractButton *scrollRightButton() const { return m_scrollRight; }

    // The width at which every group stands expanded, and the page area's height.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<CollapsibleGroup> collapsibleGroups() const;
    int displayPosition(const RibbonGroupWidget *group) const;
    void updateDisplayOrder();
    // Runs the collapse stack for the current width, then places everything.
    void updateCollapsing();
    void placeGroups();
    void scrollRight();
    void scrollLeft();

    PageDefinition m_definition;
    QList<RibbonGroupWidget *> m_groups;              // definition order
    QList<CollapsedGroupButton *> m_collapsedButtons; // definition order
    QList<int> m_displayOrder;                        // definition positions, in display order
    QList<int> m_hiddenGroups;                        // definition positions
    GroupCollapseStack m_collapse;                    // positions in display order
    int m_scrollOffset = 0;
    QAbstractButton *m_scrollLeft = nullptr;
    QAbstractButton *m_scrollRight = nullptr;
};

} // namespace Tagovnik::Ribbon
