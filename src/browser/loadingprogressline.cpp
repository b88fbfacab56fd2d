#include "loadingprogressline.h"

#include <QPainter>

namespace Tagovnik {

LoadingProgressLine::LoadingProgressLine(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LoadingProgressLine"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void LoadingProgressLine::setProgress(int percent)
{
    m_percent = qBound(0, percent, 100);
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
