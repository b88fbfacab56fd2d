#include "ribbon/windowchrome/captionsystembutton.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {


static QString systemButtonName(CaptionSystemButton::Kind kind)
{
    switch (kind) {
    case CaptionSystemButton::Kind::Minimise:
        return Texts::minimize;
    case CaptionSystemButton::Kind::Maximise:
        return Texts::maximize;
    case CaptionSystemButton::Kind::Restore:
        return Texts::restore;
    case CaptionSystemButton::Kind::Close:
        return Texts::close;
    }
    return {};
}

CaptionSystemButton::CaptionSystemButton(Kind kind, QWidget *parent)
    : RibbonButton(parent), m_kind(kind)
{
    setKind(kind);
}

void CaptionSystemButton::setKind(Kind kind)
{
    m_kind = kind;
    setObjectName(systemButtonName(kind) + u"Button"_s);
    setAccessibleName(systemButtonName(kind));
    update();
}

bool CaptionSystemButton::event(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange)
        update();
    return RibbonButton::event(event);
}

void CaptionSystemButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool close = m_kind == Kind::Close;
    const bool lit = isEnabled() && visualState() != Palette::ButtonState::Normal;
    if (lit) {
        QColor fill;
        if (close)
            fill = isDown() ? Palette::closeHot.darker(125) : Palette::closeHot;
        else
            fill = isDown() ? Palette::systemButtonPressed : Palette::systemButtonHot;
        painter.fillRect(rect(), fill);
    }
    QColor glyph = isActiveWindow() ? Palette::systemGlyph : Palette::inactiveCaptionText;
    if (close && lit)
        glyph = Palette::white;
    if (!isEnabled())
        glyph = Palette::disabledText;

    // A 10 x 10 glyph of one-pixel lines, on whole pixels so that it stays sharp.
    const qreal left = (width() - 10) / 2;
    const qreal top = (height() - 10) / 2;
    painter.setPen(QPen(glyph, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    switch (m_kind) {
    case Kind::Minimise:
        painter.drawLine(QLineF(left + 0.5, top + 5.5, left + 9.5, top + 5.5));
        break;
    case Kind::Maximise:
        painter.drawRect(QRectF(left + 0.5, top + 0.5, 9, 9));
        break;
    case Kind::Restore:
        painter.drawRect(QRectF(left + 0.5, top + 2.5, 7, 7));
        painter.drawPolyline(
            QPolygonF{QPointF(left + 2.5, top + 2.5), QPointF(left + 2.5, top + 0.5),
                      QPointF(left + 9.5, top + 0.5), QPointF(left + 9.5, top + 7.5),
                      QPointF(left + 7.5, top + 7.5)});
        break;
    case Kind::Close:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(glyph, 1.1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(left, top, left + 10, top + 10));
        painter.drawLine(QLineF(left + 10, top, left, top + 10));
        break;
    }
}

} // namespace Tagovnik::Ribbon
