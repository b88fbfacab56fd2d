#include "ribbon/controls/ribbontabbutton.h"

#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

RibbonTabButton::RibbonTabButton(const QString &caption, QWidget *parent)
    : RibbonButton(parent)
{
    setText(displayedCaption(caption));
    setAccessibleName(text());
    setCheckable(true);
    setAutoExclusive(true);
}

void RibbonTabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintTab(painter, rect(), isChecked(), underMouse());
    painter.setPen(Palette::text);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace Tagovnik::Ribbon
