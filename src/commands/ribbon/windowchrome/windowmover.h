#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace Tagovnik::Ribbon {

// Moves the window when the user drags a part of it that stands for its title bar. The move
// starts once the pointer has travelled the drag distance, so that a double-click still gets
// through; the window system moves the window where it can, else it follows the pointer.
class WindowMover
{
public:
    explicit WindowMover(QWidget &handle) : m_handle(handle) {}

    // A left press on the handle; a maximised or full-screen window does not move.
    void press(const QMouseEvent &event);
    void move(const QMouseEvent &event);
    void release();

private:
    QWidget &m_handle;
    bool m_pending = false;
    bool m_followingPointer = false; // where the window system does not move it for us
    QPoint m_pressPos;
    QPoint m_windowOffset;
};

} // namespace Tagovnik::Ribbon
