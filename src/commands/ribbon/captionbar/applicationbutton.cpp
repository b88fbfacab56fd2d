#include "ribbon/captionbar/applicationbutton.h"

#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/applicationbuttonpainter.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

ApplicationButton::ApplicationButton(ApplicationMenuPopup &menu, QWidget *parent)
    : RibbonButton(parent), m_menu(menu)
{
    setObjectName(u"ApplicationButton"_s);
    connect(&m_menu, &ApplicationMenuPopup::shownChanged, this, qOverload<>(&QWidget::update));
    // A press opens the menu; click() (screen readers, key tips) does the same.
    connect(this, &QAbstractButton::clicked, this, &ApplicationButton::menuRequested);
}

bool ApplicationButton::showsPressed() const
{
    return m_menu.isVisible();
}

bool ApplicationButton::hitButton(const QPoint &pos) const
{
    return withinRoundButton(rect(), pos);
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
    const Palette::ButtonState state = visualState();
    const ApplicationButtonLook look = state == Palette::ButtonState::Pressed
                                           ? ApplicationButtonLook::Pressed
                                       : state == Palette::ButtonState::Hot
                                           ? ApplicationButtonLook::Hot
                                           : ApplicationButtonLook::Normal;
    paintApplicationButton(painter, rect(), look, devicePixelRatioF());
}

} // namespace Tagovnik::Ribbon
