#include "ribbon/captionbar/applicationbutton.h"

#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/look/applicationbuttonpainter.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

static bool isHoverHelp(const QEvent *event)
{
    return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
}

ApplicationButton::ApplicationButton(ApplicationMenuPopup &menu, QWidget *parent)
    : QAbstractButton(parent), m_menu(menu)
{
    setObjectName(u"ApplicationButton"_s);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    connect(&m_menu, &ApplicationMenuPopup::shownChanged, this, qOverload<>(&QWidget::update));
    // A press opens the menu; click() (screen readers, key tips) does the same.
    connect(this, &QAbstractButton::clicked, this, &ApplicationButton::menuRequested);
}

bool ApplicationButton::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QAbstractButton::event(event);
}

bool ApplicationButton::hitButton(const QPoint &pos) const
{
    const QPointF offset = QPointF(pos) - QRectF(rect()).center();
    const qreal radius = width() / 2.0;
    return offset.x() * offset.x() + offset.y() * offset.y() <= radius * radius;
}

void ApplicationButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !hitButton(event->position().toPoint())) {
        event->ignore();
        return;
    }
    // The menu opens on the press and takes the mouse; the button is never left down.
    event->accept();
    Q_EMIT menuRequested();
}

void ApplicationButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !hitButton(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT doubleClicked();
}

void ApplicationButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const ApplicationButtonLook look = m_menu.isVisible() ? ApplicationButtonLook::Pressed
                                       : underMouse()     ? ApplicationButtonLook::Hot
                                                          : ApplicationButtonLook::Normal;
    paintApplicationButton(painter, rect(), look, devicePixelRatioF());
}

} // namespace Tagovnik::Ribbon
