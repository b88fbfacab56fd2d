#include "ribbon/keytips/keyboardfocusmark.h"

#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

KeyboardFocusMark::KeyboardFocusMark(QWidget &control, bool round)
    : QWidget(&control), m_round(round)
{
    setObjectName(u"KeyboardFocusMark"_s);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(control.rect());
    control.installEventFilter(this);
    raise();
    show();
}

bool KeyboardFocusMark::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis)
        return true;
    return QWidget::event(event);
}

bool KeyboardFocusMark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
void KeyboardFocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dotted line of the ribbon's text colour, over a light halo so that it shows on the
    // silver tabs and on the application button's darker orb alike.
    const QRectF outline = m_round ? QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5)
                                   : QRectF(rect()).adjusted(2.5, 2.5, -2.5, -1.5);
    const auto draw = [&](const QPen &pen) {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (m_round)
            painter.drawEllipse(outline);
        else
            painter.drawRoundedRect(outline, 2, 2);
    };
    draw(QPen(Palette::focusMarkHalo, 2));
    QPen dots(Palette::text, 1, Qt::DotLine);
    draw(dots);
}

} // namespace Tagovnik::Ribbon
