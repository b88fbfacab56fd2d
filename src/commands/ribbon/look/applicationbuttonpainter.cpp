#include "ribbon/look/applicationbuttonpainter.h"

#include "applicationicon.h"
#include "ribbon/geometry/captionbarlayout.h"
#include "ribbon/look/ribbonpalette.h"

#include <QPainter>
#include <QPixmapCache>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

QPixmap applicationIconPixmap(int extent, qreal devicePixelRatio)
{
    // Qt's pixmap cache, not a static of ours: pixmaps must not outlive the
    // application object, and the cache is emptied with it.
    const QString key = u"tagovnik-application-icon-%1@%2"_s.arg(extent).arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(applicationIconImage(qRound(extent * devicePixelRatio)));
        pixmap.setDevicePixelRatio(devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void paintApplicationButton(QPainter &painter, const QRect &rect, ApplicationButtonLook look,
                            qreal devicePixelRatio)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ball = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPointF centre = ball.center();

    // Silver body, brighter at the top, with a glow rising from the bottom that warms up
    // when the pointer is over the button and glows orange while it is pressed.
    QLinearGradient body(ball.topLeft(), ball.bottomLeft());
    body.setColorAt(0.0, Palette::applicationBallTop);
    body.setColorAt(0.48, Palette::applicationBallUpperMiddle);
    body.setColorAt(0.52, Palette::applicationBallLowerMiddle);
    body.setColorAt(1.0, Palette::applicationBallBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(ball);

    QColor glow;
    switch (look) {
    case ApplicationButtonLook::Normal:
        glow = Palette::applicationGlowNormal;
        break;
    case ApplicationButtonLook::Hot:
        glow = Palette::applicationGlowHot;
        break;
    case ApplicationButtonLook::Pressed:
        glow = Palette::applicationGlowPressed;
        break;
    }
    QRadialGradient lower(QPointF(centre.x(), ball.bottom()), ball.width() * 0.62);
    lower.setColorAt(0, glow);
    QColor fade = glow;
    fade.setAlpha(0);
    lower.setColorAt(1, fade);
    painter.setBrush(lower);
    painter.drawEllipse(ball);

    // Gloss over the upper half.
    const QRectF shine(ball.left() + ball.width() * 0.14, ball.top() + 1.5, ball.width() * 0.72,
                       ball.height() * 0.48);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0, Palette::applicationGlossTop);
    gloss.setColorAt(1, Palette::applicationGlossBottom);
    painter.setBrush(gloss);
    painter.drawEllipse(shine);

    // Rim: a dark outer ring and a light inner one.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::applicationRim, 1));
    painter.drawEllipse(ball);
    painter.setPen(QPen(Palette::applicationInnerRim, 1));
    painter.drawEllipse(ball.adjusted(1, 1, -1, -1));

    const QRect icon = kApplicationIconInButton.translated(rect.topLeft());
    painter.drawPixmap(icon.topLeft(), applicationIconPixmap(icon.width(), devicePixelRatio));
    painter.restore();
}

} // namespace Tagovnik::Ribbon
