#pragma once

#include <QMargins>
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
//
// While the window is restored, its left, right and bottom edges are a border of their own
// that the window's contents stay inside, so that the edges never lie over the browser
// pane's scroll bars or the caption bar's window buttons. The top edge is the caption bar's
// upper strip; a button there (the window buttons reach up to the top) takes its own presses.
class WindowFrame : public QObject
{
    Q_OBJECT

public:
    explicit WindowFrame(QWidget &window);
    ~WindowFrame() override;

    // How far in from each edge a press resizes, and how far along an edge a corner reaches.
    static constexpr int kBorderWidth = 5;
    static constexpr int kCornerLength = 16;

    // Edges that a press at `pos` (window coordinates) resizes; none while maximised and
    // none over a button.
    Qt::Edges edgesAt(const QPoint &pos) const;
    // The border kept free of contents: left, right and bottom while resizable, else none.
    QMargins border() const;
    static Qt::CursorShape cursorFor(Qt::Edges edges);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool resizable() const;
    void watchPlatformWindow();
    void updateBorder();
    void paintBorder();
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
