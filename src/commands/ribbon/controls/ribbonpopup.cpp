#include "ribbon/controls/ribbonpopup.h"

#include "ribbon/controls/doubleclicktime.h"
#include "ribbon/controls/hoverhelp.h"
#include "ribbon/geometry/popupplacement.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace Tagovnik::Ribbon {

RibbonPopup::RibbonPopup(QWidget *owner, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_owner(owner)
{
}

QList<QRect> RibbonPopup::workAreas()
{
    QList<QRect> areas;
    for (const QScreen *display : QGuiApplication::screens())
        areas.append(display->availableGeometry());
    return areas;
}

void RibbonPopup::showAt(const QPoint &position)
{
    move(position);
    m_openedAt.start();
    show();
    raise();
}

void RibbonPopup::showBelow(const QRect &anchor)
{
    const QSize size = this->size();
    const QRect placed = placePopup(
        {.anchor = anchor, .hangAt = belowAnchor(anchor, size, layoutDirection()), .size = size},
        workAreas());
    showAt(placed.topLeft());
}

void RibbonPopup::choose(QAbstractButton *button)
{
    if (!button || !button->isEnabled())
        return;
    button->setDown(false);
    close();
    button->click();
}

void RibbonPopup::watchChoice(QAbstractButton *button)
{
    button->installEventFilter(this);
}

bool RibbonPopup::pressHitsOwner(const QPoint &globalPos) const
{
    // Where the pop-up covers its owner, the press belongs to the pop-up.
    return m_owner && !geometry().contains(globalPos) &&
           QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size()).contains(globalPos);
}

bool RibbonPopup::event(QEvent *event)
{
    return isHoverHelp(event) || QWidget::event(event);
}

bool RibbonPopup::eventFilter(QObject *watched, QEvent *event)
{
    // A watched button released under the mouse after a press on it is chosen: close first,
    // then run. The button's own release would run it with the pop-up still up.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (button && mouse->button() == Qt::LeftButton && button->isDown() &&
            button->rect().contains(mouse->position().toPoint())) {
            choose(button);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RibbonPopup::mousePressEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton && pressHitsOwner(global)) {
        event->accept();
        const bool secondClick = withinDoubleClickTime(m_openedAt);
        setAttribute(Qt::WA_NoMouseReplay);
        close();
        ownerPressed(secondClick);
        return;
    }
    // Elsewhere outside the pop-up the press closes it; inside it does nothing.
    QWidget::mousePressEvent(event);
}

void RibbonPopup::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void RibbonPopup::showEvent(QShowEvent *event)
{
    setAttribute(Qt::WA_NoMouseReplay, false);
    QWidget::showEvent(event);
    Q_EMIT shownChanged(true);
}

void RibbonPopup::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_openedAt.invalidate();
    Q_EMIT shownChanged(false);
}

} // namespace Tagovnik::Ribbon
