#include "loadingprogressline.h"

#include <QPainter>

namespace Tagovnik {

LoadingProgressLine::LoadingProgressLine(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LoadingProgressLine"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_appearance.setSingleShot(true);
    m_appearance.setInterval(appearanceDelay);
    connect(&m_appearance, &QTimer::timeout, this, [this] {
        show();
        raise();
    });
}

void LoadingProgressLine::start()
{
    m_percent = 0;
    if (!m_afterFirstLoad)
        return;
    if (isVisible())
        update(); // a new load while the last one still shows
    else
        m_appearance.start();
}

void LoadingProgressLine::finish()
{
    m_appearance.stop();
    hide();
    m_afterFirstLoad = true;
}

void LoadingProgressLine::setProgress(int percent)
{
    m_percent = qBound(0, percent, 100);
    // Hidden, it has nothing to draw; every repaint is a frame of the whole window.
    if (isVisible())
        update();
}

void LoadingProgressLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Even a load that has only just started shows a short stretch.
    const int length = qMax(width() * m_percent / 100, width() / 20);
    painter.fillRect(0, 0, length, height(), QColor(0x3a, 0x7b, 0xd5));
}

} // namespace Tagovnik
