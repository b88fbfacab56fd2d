#include "ribbon/captionbar/captioniconbutton.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/look/applicationbuttonpainter.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

static bool isHoverHelp(const QEvent *event)
{
    return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
}

CaptionIconButton::CaptionIconButton(QWidget *parent) : QAbstractButton(parent)
{
    setObjectName(u"WindowMenuButton"_s);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(Texts::systemMenu);
    connect(this, &QAbstractButton::clicked, this, &CaptionIconButton::menuRequested);
}

bool CaptionIconButton::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QAbstractButton::event(event);
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
