#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace Tagovnik {

// Holds back the repaints of a window for a short while. A window that shows the web
// engine is composed whole for every frame, and while it is, the engine's work on the
// same thread waits; a navigation holds the window's repaints (the clicked button, the
// loading line, commands changing state) until the engine paints the new page itself, so
// that they come with that frame instead of one of their own before it.
class RepaintHold : public QObject
{
    Q_OBJECT

public:
    explicit RepaintHold(QObject *parent = nullptr);

    // Holds the repaints of WINDOW (a top-level widget) for at most LIMITMS, until
    // release() or until ENGINEVIEW, when given, starts rendering a frame of its own.
    // Does nothing for a window not on screen.
    void hold(QWidget *window, QObject *engineView, int limitMs);
    void release();
    bool isHolding() const { return m_window != nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QObject> m_engineView;
    QTimer m_limit;
    bool m_repaintWaiting = false;
};

} // namespace Tagovnik
