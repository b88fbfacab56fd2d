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
    connect(this, &QAbstractButton::clicked, this, [this] { Q_EMIT selected(m_releasing); });
}

void RibbonTabButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_releasing = true;
    RibbonButton::mouseReleaseEvent(event);
    m_releasing = false;
}

void RibbonTabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintTab(painter, rect(), isChecked(), underMouse());
    painter.setPen(Palette::text);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace Tagovnik::Ribbon
