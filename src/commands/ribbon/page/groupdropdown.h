#pragma once

#include "ribbon/model/ribbonstructure.h"

#include <QPointer>
#include <QWidget>

namespace Tagovnik::Ribbon {

class RibbonContext;
class RibbonGroupWidget;

// A pop-up that drops a group's entries down below a button: a Qt::Popup holding a group
// widget of its own, built from the group's definition. Clicking an entry runs its command
// and closes the pop-up, as does a click anywhere else or Escape; a press on the button that
// opened it only closes it.
class GroupDropDown : public QWidget
{
    Q_OBJECT

public:
    GroupDropDown(RibbonContext &context, const GroupDefinition &group, QWidget *owner);

    RibbonGroupWidget *group() const { return m_group; }
    // Below the owner, its near edge in line with the owner's; kept on the screen.
    void popUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitGroup();

    QPointer<QWidget> m_owner;
    RibbonGroupWidget *m_group;
};

} // namespace Tagovnik::Ribbon
