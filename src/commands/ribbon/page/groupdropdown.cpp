#include "ribbon/page/groupdropdown.h"

#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/popupplacement.h"
#include "ribbon/geometry/ribbongrouplayout.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/page/ribbongroupwidget.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace Tagovnik::Ribbon {

namespace {

// The pop-up frames its group as a page frames its groups.
constexpr int kMargin = 3;

} // namespace

GroupDropDown::GroupDropDown(RibbonContext &context, const GroupDefinition &group, QWidget *owner)
    : QWidget(owner, Qt::Popup), m_owner(owner), m_group(new RibbonGroupWidget(context, group, this))
{
    setObjectName(group.name + u"DropDown");
    setAccessibleName(group.caption);
    for (RibbonEntryButton *entry : m_group->entries()) {
        entry->installEventFilter(this);
        connect(entry, &QAbstractButton::clicked, this, &QWidget::close);
    }
    fitGroup();
}

void GroupDropDown::fitGroup()
{
    m_group->setGeometry(kMargin, kMargin, m_group->expandedWidth(), kGroupHeight);
    resize(m_group->expandedWidth() + 2 * kMargin, kGroupHeight + 2 * kMargin);
}

void GroupDropDown::popUp()
{
    if (!m_owner || isVisible())
        return;
    setLayoutDirection(m_owner->layoutDirection());
    fitGroup();
    const QRect anchor(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
    QList<QRect> workAreas;
    for (const QScreen *display : QGuiApplication::screens())
        workAreas.append(display->availableGeometry());
    move(placePopup({.anchor = anchor,
                     .hangAt = belowAnchor(anchor, size(), layoutDirection()),
                     .size = size()},
                    workAreas)
             .topLeft());
    show();
    m_owner->update();
}

bool GroupDropDown::eventFilter(QObject *watched, QEvent *event)
{
    // A click on an entry closes the pop-up even when the entry's command raises an error:
    // the error leaves the click before the entry's clicked signal has reached `close`.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *entry = static_cast<RibbonEntryButton *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && entry->isDown() &&
            entry->rect().contains(mouse->position().toPoint()))
            QTimer::singleShot(0, this, &QWidget::close);
    }
    return QWidget::eventFilter(watched, event);
}

bool GroupDropDown::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
    case QEvent::WhatsThis:
        return true;
    case QEvent::LayoutRequest:
        fitGroup();
        return true;
    default:
        return QWidget::event(event);
    }
}

void GroupDropDown::mousePressEvent(QMouseEvent *event)
{
    // A press on the owning button only closes the pop-up; replayed to the button it would
    // open the pop-up again.
    const QRect ownerOnScreen = m_owner ? QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size())
                                        : QRect();
    setAttribute(Qt::WA_NoMouseReplay,
                 !rect().contains(event->position().toPoint()) &&
                     ownerOnScreen.contains(event->globalPosition().toPoint()));
    QWidget::mousePressEvent(event);
}

void GroupDropDown::hideEvent(QHideEvent *event)
{
    if (m_owner)
        m_owner->update(); // no longer shown pressed
    QWidget::hideEvent(event);
}

void GroupDropDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintPage(painter, rect());
}

} // namespace Tagovnik::Ribbon
