#include "ribbon/controls/ribbonhelpbutton.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

static bool isHoverHelp(const QEvent *event)
{
    return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
}

RibbonHelpButton::RibbonHelpButton(QWidget *parent) : QAbstractButton(parent)
{
    setText(Texts::help);
    setAccessibleName(text());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

bool RibbonHelpButton::event(QEvent *event)
{
    return isHoverHelp(event) || QAbstractButton::event(event);
}

void RibbonHelpButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    using Palette::ButtonState;
    Palette::paintButton(painter, rect(),
                         isDown()       ? ButtonState::Pressed
                         : underMouse() ? ButtonState::Hot
                                        : ButtonState::Normal);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(4, 4, -4, -4);
    QRadialGradient shine(disc.center() - QPointF(2, 3), disc.width());
    shine.setColorAt(0, QColor(0x6f, 0xa8, 0xe8));
    shine.setColorAt(1, QColor(0x1f, 0x5c, 0xb0));
    painter.setPen(QColor(0x1a, 0x4a, 0x8c));
    painter.setBrush(shine);
    painter.drawEllipse(disc);
    // The question mark as strokes, so it never depends on a font.
    QPainterPath mark;
    const QPointF c = disc.center();
    mark.moveTo(c.x() - 2.2, c.y() - 1.6);
    mark.cubicTo(c.x() - 2.2, c.y() - 4.6, c.x() + 2.6, c.y() - 4.6, c.x() + 2.4, c.y() - 1.6);
    mark.cubicTo(c.x() + 2.2, c.y() + 0.2, c.x(), c.y() + 0.2, c.x(), c.y() + 1.8);
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(c.x(), c.y() + 3.9), 1.0, 1.0);
}

} // namespace Tagovnik::Ribbon
