#include "ribbon/windowchrome/windowmover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace Tagovnik::Ribbon {

void WindowMover::press(const QMouseEvent &event)
{
    QWidget *window = m_handle.window();
    m_pressPos = event.globalPosition().toPoint();
    m_pending = window != &m_handle && !window->isMaximized() && !window->isFullScreen();
}

void WindowMover::move(const QMouseEvent &event)
{
    QWidget *window = m_handle.window();
    const QPoint global = event.globalPosition().toPoint();
    if (m_followingPointer) {
        window->move(global - m_windowOffset);
        return;
    }
    if (!m_pending || !(event.buttons() & Qt::LeftButton) ||
        (global - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pending = false;
    if (QWindow *handle = window->windowHandle(); handle && handle->startSystemMove())
        return;
    // No window manager to move it: follow the pointer ourselves.
    m_followingPointer = true;
    m_windowOffset = m_pressPos - window->pos();
    window->move(global - m_windowOffset);
}

void WindowMover::release()
{
    m_pending = false;
    m_followingPointer = false;
}

} // namespace Tagovnik::Ribbon
