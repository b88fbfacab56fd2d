#include "ribbon/controls/ribbonhelpbutton.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/look/ribbonpalette.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

RibbonHelpButton::RibbonHelpButton(QWidget *parent) : RibbonButton(parent)
{
    setText(Texts::help);
    setAccessibleName(text());
}

void RibbonHelpButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintButton(painter, rect(), visualState());
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(4, 4, -4, -4);
    QRadialGradient shine(disc.center() - QPointF(2, 3), disc.width());
    shine.setColorAt(0, Palette::helpDiscLight);
    shine.setColorAt(1, Palette::helpDiscDark);
    painter.setPen(Palette::helpDiscRim);
    painter.setBrush(shine);
    painter.drawEllipse(disc);
    // The question mark as strokes, so it never depends on a font.
    QPainterPath mark;
    const QPointF c = disc.center();
    mark.moveTo(c.x() - 2.2, c.y() - 1.6);
    mark.cubicTo(c.x() - 2.2, c.y() - 4.6, c.x() + 2.6, c.y() - 4.6, c.x() + 2.4, c.y() - 1.6);
    mark.cubicTo(c.x() + 2.2, c.y() + 0.2, c.x(), c.y() + 0.2, c.x(), c.y() + 1.8);
    painter.setPen(QPen(Palette::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::white);
    painter.drawEllipse(QPointF(c.x(), c.y() + 3.9), 1.0, 1.0);
}

} // namespace Tagovnik::Ribbon
