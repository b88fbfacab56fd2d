#include "ribbon/customise/dropplacemarker.h"

#include "ribbon/look/ribbonpalette.h"

#include <QPainter>

namespace Tagovnik::Ribbon {

DropPlaceMarker::DropPlaceMarker(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dropPlace"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DropPlaceMarker::showAt(int x)
{
    setGeometry(x - kWidth / 2, 1, kWidth, qMax(0, parentWidget()->height() - 2));
    raise();
    show();
}

void DropPlaceMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor ink = Palette::text;
    const qreal middle = kWidth / 2.0;
    // The line, one logical pixel wide on either side of the middle.
    painter.fillRect(QRectF(middle - 1, 0, 2, height()), ink);
    // Ticks across the ends, like a text cursor.
    painter.fillRect(QRectF(0, 0, kWidth, 2), ink);
    painter.fillRect(QRectF(0, height() - 2, kWidth, 2), ink);
}

} // namespace Tagovnik::Ribbon
