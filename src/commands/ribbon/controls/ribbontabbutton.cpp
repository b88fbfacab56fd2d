#include "ribbon/controls/ribbontabbutton.h"

#include "ribbon/geometry/ribbonlayoutsupport.h"
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

RibbonTabButton::RibbonTabButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(displayedCaption(caption));
    setAccessibleName(text());
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

bool RibbonTabButton::event(QEvent *event)
{
    return isHoverHelp(event) || QAbstractButton::event(event);
}

void RibbonTabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintTab(painter, rect(), isChecked(), underMouse());
    painter.setPen(Palette::text);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace Tagovnik::Ribbon
