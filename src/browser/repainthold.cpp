#include "repainthold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace Tagovnik {

RepaintHold::RepaintHold(QObject *parent) : QObject(parent)
{
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &RepaintHold::release);
}

void RepaintHold::hold(QWidget *window, QObject *engineView, int limitMs)
{
    if (!window || !window->isVisible())
        return;
    if (m_window != window) {
        release();
        m_window = window;
        m_window->installEventFilter(this);
        m_engineView = engineView;
        if (m_engineView)
            m_engineView->installEventFilter(this);
    }
    m_limit.start(limitMs);
}

void RepaintHold::release()
{
    m_limit.stop();
    if (m_engineView)
        m_engineView->removeEventFilter(this);
    m_engineView = nullptr;
    if (!m_window)
        return;
    m_window->removeEventFilter(this);
    // The window's repaint manager sent its request already and waits for it.
    if (m_repaintWaiting)
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
    m_repaintWaiting = false;
    m_window = nullptr;
}

bool RepaintHold::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::UpdateRequest) {
        m_repaintWaiting = true;
        return true;
    }
    // The engine's view renders its frame on a timer of its own and then asks the
    // window for a repaint: what was held joins that one.
    if (watched == m_engineView && event->type() == QEvent::Timer)
        release();
    return false;
}

} // namespace Tagovnik
