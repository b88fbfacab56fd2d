#include "panenotice.h"

namespace Tagovnik {

PaneNotice::PaneNotice(Qt::Alignment corner, QWidget *parent) : QLabel(parent), m_corner(corner)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("QLabel { background: #f5f7fa; color: #30343a;"
                                 " border: 1px solid #a3adbb; border-radius: 3px;"
                                 " padding: 4px 10px; }"));
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void PaneNotice::showText(const QString &text, int milliseconds)
{
    setText(text);
    adjustSize();
    place();
    show();
    raise();
    if (milliseconds > 0)
        m_hideTimer.start(milliseconds);
    else
        m_hideTimer.stop();
}

void PaneNotice::place()
{
    const QWidget *area = parentWidget();
    if (!area)
        return;
    constexpr int margin = 12;
    const int x = (m_corner & Qt::AlignLeft) ? margin : area->width() - width() - margin;
    const int y = (m_corner & Qt::AlignTop) ? margin : area->height() - height() - margin;
    move(x, y);
}

} // namespace Tagovnik
