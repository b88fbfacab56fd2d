#include "ribbon/keytips/keytiplabel.h"

#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

constexpr int kHorizontalPadding = 4;
constexpr int kVerticalPadding = 1;
constexpr int kPictureSize = 16;
constexpr int kPictureSpacing = 3;

} // namespace

KeyTipLabel::KeyTipLabel(const QString &keyTip, QWidget *parent)
    : QWidget(parent), m_keyTip(keyTip)
{
    setObjectName(u"KeyTip"_s);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(keyTip);
    resize(sizeHint());
}

void KeyTipLabel::setDimmed(bool dimmed)
{
    if (dimmed == m_dimmed)
        return;
    m_dimmed = dimmed;
    update();
}

void KeyTipLabel::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    resize(sizeHint());
    update();
}

QSize KeyTipLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int pictureHeight = m_picture.isNull() ? 0 : kPictureSize + 2;
    const int height = qMax(metrics.height(), pictureHeight) + 2 * kVerticalPadding + 2;
    const int pictureWidth = m_picture.isNull() ? 0 : kPictureSize + kPictureSpacing;
    const int width =
        pictureWidth + metrics.horizontalAdvance(m_keyTip) + 2 * kHorizontalPadding + 2;
    // Never narrower than high, so that one character sits on a square.
    return {qMax(width, height), height};
}

bool KeyTipLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis)
        return true;
    return QWidget::event(event);
}

void KeyTipLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Half a pixel in, so that the one-pixel frame falls on whole device pixels at 1x and 2x;
    // one pixel at the right and bottom is left for the shadow.
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -1.5, -1.5);
    QPainterPath shadow;
    shadow.addRoundedRect(box.translated(1, 1), 2, 2);
    painter.fillPath(shadow, Palette::keyTipShadow);

    QPainterPath path;
    path.addRoundedRect(box, 2, 2);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, Palette::keyTipTop);
    fill.setColorAt(1, Palette::keyTipBottom);
    painter.fillPath(path, fill);
    painter.setPen(QPen(Palette::keyTipFrame, 1));
    painter.drawPath(path);

    QRectF text = box;
    if (!m_picture.isNull()) {
        // Scaled into its place, as the toolbar shows it.
        QRectF place(0, 0, kPictureSize, kPictureSize);
        place.moveCenter(QPointF(box.left() + kHorizontalPadding + kPictureSize / 2.0,
                                 box.center().y()));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setOpacity(m_dimmed ? 0.5 : 1.0);
        painter.drawPixmap(place, m_picture, QRectF(m_picture.rect()));
        painter.setOpacity(1.0);
        text.setLeft(place.right() + kPictureSpacing);
    }
    painter.setPen(m_dimmed ? Palette::disabledText : Palette::text);
    painter.drawText(text, Qt::AlignCenter, m_keyTip);
}

} // namespace Tagovnik::Ribbon
