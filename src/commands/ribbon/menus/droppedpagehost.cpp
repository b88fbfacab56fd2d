#include "ribbon/menus/droppedpagehost.h"

#include "ribbon/controls/hoverhelp.h"
#include "ribbon/look/ribbonpalette.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

DroppedPageHost::DroppedPageHost(QWidget *window) : QWidget(window)
{
    setObjectName(u"DroppedPage"_s);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void DroppedPageHost::hold(QWidget *page)
{
    if (page == m_page)
        return;
    m_page = page;
    if (page->parentWidget() != this)
        page->setParent(this);
    page->setGeometry(0, 0, width(), height() - kShadowHeight);
    page->show();
}

void DroppedPageHost::place(QPoint topLeft, QSize pageSize)
{
    setGeometry(QRect(topLeft, pageSize + QSize(0, kShadowHeight)));
    raise();
}

bool DroppedPageHost::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    if (event->type() == QEvent::ChildRemoved && m_page && m_page->parentWidget() != this)
        m_page = nullptr;
    return QWidget::event(event);
}

void DroppedPageHost::contextMenuEvent(QContextMenuEvent *event)
{
    QWidget *clicked = childAt(event->pos());
    event->accept();
    Q_EMIT contextMenuRequested(clicked ? clicked : this, event->globalPos());
}

void DroppedPageHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_page)
        m_page->setGeometry(0, 0, width(), height() - kShadowHeight);
}

void DroppedPageHost::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect shadow(0, height() - kShadowHeight, width(), kShadowHeight);
    QLinearGradient fade(shadow.topLeft(), shadow.bottomLeft());
    fade.setColorAt(0, Palette::droppedPageShadowTop);
    fade.setColorAt(1, Palette::droppedPageShadowBottom);
    painter.fillRect(shadow, fade);
}

} // namespace Tagovnik::Ribbon
