#include "ribbon/captionbar/captioniconbutton.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/look/applicationbuttonpainter.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

CaptionIconButton::CaptionIconButton(QWidget *parent) : RibbonButton(parent)
{
    setObjectName(u"WindowMenuButton"_s);
    setAccessibleName(Texts::systemMenu);
    connect(this, &QAbstractButton::clicked, this, &CaptionIconButton::menuRequested);
}

void CaptionIconButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT menuRequested();
}

void CaptionIconButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT doubleClicked();
}

void CaptionIconButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, applicationIconPixmap(width(), devicePixelRatioF()));
}

} // namespace Tagovnik::Ribbon
