#include "ribbon/controls/ribbonpopup.h"

#include "ribbon/controls/doubleclicktime.h"
#include "ribbon/controls/hoverhelp.h"
#include "ribbon/controls/ribbonbutton.h"
#include "ribbon/geometry/popupplacement.h"
#include "ribbon/interaction/popupkeys.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

namespace Tagovnik::Ribbon {

namespace {

PopupKey popupKeyOf(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return PopupKey::Other;
    switch (event.key()) {
    case Qt::Key_Escape:
        return PopupKey::Escape;
    case Qt::Key_Up:
        return PopupKey::Up;
    case Qt::Key_Down:
        return PopupKey::Down;
    case Qt::Key_Left:
        return PopupKey::Left;
    case Qt::Key_Right:
        return PopupKey::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return PopupKey::Choose;
    default:
        return event.text().size() == 1 && event.text().front().isLetterOrNumber()
                   ? PopupKey::Letter
                   : PopupKey::Other;
    }
}

void showAsCurrent(QAbstractButton *button, bool current)
{
    if (auto *ribbonButton = qobject_cast<RibbonButton *>(button))
        ribbonButton->setKeyboardCurrent(current);
}

} // namespace

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

void RibbonPopup::setKeyboardItems(const QList<KeyboardItem> &items, ItemFlow flow)
{
    setCurrent(-1);
    m_items = items;
    m_flow = flow;
    for (const KeyboardItem &item : items)
        item.button->installEventFilter(this);
}

QAbstractButton *RibbonPopup::currentItem() const
{
    return m_current < 0 ? nullptr : m_items.at(m_current).button;
}

// The current item takes the focus, so that screen readers follow the arrows.
void RibbonPopup::setCurrent(int item)
{
    if (item == m_current)
        return;
    if (QAbstractButton *previous = currentItem())
        showAsCurrent(previous, false);
    m_current = item;
    if (QAbstractButton *current = currentItem()) {
        showAsCurrent(current, true);
        current->setFocus(Qt::TabFocusReason);
    }
}

bool RibbonPopup::handleKey(const QKeyEvent &event)
{
    PopupKeyInput input;
    input.current = m_current;
    input.key = popupKeyOf(event);
    if (input.key == PopupKey::Letter)
        input.letter = event.text().front();
    input.rowOfItems = m_flow == ItemFlow::Row;
    input.rightToLeft = layoutDirection() == Qt::RightToLeft;
    for (const KeyboardItem &item : std::as_const(m_items))
        input.items.append({.enabled = item.button->isEnabled(), .accessLetter = item.accessLetter});

    const PopupKeyStep step = popupKeyStep(input);
    switch (step.action) {
    case PopupKeyStep::Action::Pass:
        return false;
    case PopupKeyStep::Action::Ignore:
        return true;
    case PopupKeyStep::Action::Close:
        close();
        return true;
    case PopupKeyStep::Action::Move:
        setCurrent(step.item);
        return true;
    case PopupKeyStep::Action::Choose:
        choose(m_items.at(step.item).button);
        return true;
    }
    return false;
}

void RibbonPopup::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
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
    // The item that the arrows gave the focus gets the keys first: the pop-up's keys are its own.
    if (event->type() == QEvent::KeyPress && watched != this) {
        const bool item = std::any_of(m_items.cbegin(), m_items.cend(),
                                      [watched](const KeyboardItem &i) { return i.button == watched; });
        if (item && handleKey(*static_cast<QKeyEvent *>(event)))
            return true;
    }
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
    setCurrent(-1);
    QWidget::hideEvent(event);
    m_openedAt.invalidate();
    Q_EMIT shownChanged(false);
}

} // namespace Tagovnik::Ribbon
