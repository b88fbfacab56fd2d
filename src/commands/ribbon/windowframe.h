#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QMouseEvent;
class QWidget;
class QWindow;

namespace Tagovnik::Ribbon {

// The resizing frame of a window that has no frame of its own: near the window's edges the
// pointer shows the resize cursors and a press starts resizing from that edge or corner.
// It watches the window's platform window, which sees every mouse event before any child
// widget does, so the browser pane and the ribbon need not cooperate.
class WindowFrame : public QObject
{
    Q_OBJECT

public:
    explicit WindowFrame(QWidget &window);
    ~WindowFrame() override;

    // How far in from each edge a press resizes, and how far along an edge a corner reaches.
    static constexpr int kBorderWidth = 5;
    static constexpr int kCornerLength = 16;

    // Edges that a press at `pos` (window coordinates) resizes; none while maximised.
    Qt::Edges edgesAt(const QPoint &pos) const;
    static Qt::CursorShape cursorFor(Qt::Edges edges);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool resizable() const;
    void watchPlatformWindow();
    void showCursorFor(Qt::Edges edges);
    bool handleMouse(const QMouseEvent &event);
    void resizeByHand(const QPoint &global);

    QWidget &m_window;
    QPointer<QWindow> m_platformWindow;
    Qt::Edges m_cursorEdges;
    // Resizing that follows the pointer ourselves, where the window system will not.
    Qt::Edges m_handEdges;
    QRect m_startGeometry;
    QPoint m_startPointer;
};

} // namespace Tagovnik::Ribbon
