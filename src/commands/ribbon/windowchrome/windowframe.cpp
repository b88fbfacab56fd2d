#include "ribbon/windowchrome/windowframe.h"

#include "ribbon/look/ribbonpalette.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

WindowFrame::WindowFrame(QWidget &window) : QObject(&window), m_window(window)
{
    setObjectName(u"WindowFrame"_s);
    m_window.installEventFilter(this);
    watchPlatformWindow();
    updateBorder();
}

WindowFrame::~WindowFrame()
{
    showCursorFor({});
    m_window.setContentsMargins({});
}

bool WindowFrame::resizable() const
{
    const Qt::WindowStates state = m_window.windowState();
    return !(state & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) &&
           m_window.minimumSize() != m_window.maximumSize();
}

Qt::Edges WindowFrame::edgesAt(const QPoint &pos) const
{
    if (!resizable())
        return {};
    const int width = m_window.width();
    const int height = m_window.height();
    if (!QRect(0, 0, width, height).contains(pos))
        return {};
    // The window buttons reach up into the top edge: a press on any button is the button's.
    if (qobject_cast<const QAbstractButton *>(m_window.childAt(pos)))
        return {};
    Qt::Edges edges;
    if (pos.x() < kBorderWidth)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width - kBorderWidth)
        edges |= Qt::RightEdge;
    if (pos.y() < kBorderWidth)
        edges |= Qt::TopEdge;
    if (pos.y() >= height - kBorderWidth)
        edges |= Qt::BottomEdge;
    // Corners reach a little along each edge, as they are hard to hit otherwise.
    if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
        if (pos.x() < kCornerLength)
            edges |= Qt::LeftEdge;
        if (pos.x() >= width - kCornerLength)
            edges |= Qt::RightEdge;
    }
    if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
        if (pos.y() < kCornerLength)
            edges |= Qt::TopEdge;
        if (pos.y() >= height - kCornerLength)
            edges |= Qt::BottomEdge;
    }
    return edges;
}

QMargins WindowFrame::border() const
{
    if (!resizable())
        return {};
    return {kBorderWidth, 0, kBorderWidth, kBorderWidth};
}

void WindowFrame::updateBorder()
{
    if (m_window.contentsMargins() == border())
        return;
    m_window.setContentsMargins(border());
    m_window.update();
}

// The border continues the caption bar's silver, outlined like the ribbon's page.
void WindowFrame::paintBorder()
{
    const QMargins margins = border();
    if (margins.isNull())
        return;
    QPainter painter(&m_window);
    const QRect all = m_window.rect();
    const QRect inside = all - margins;
    painter.fillRect(QRect(all.left(), all.top(), margins.left(), all.height()),
                     Palette::captionBarBottom);
    painter.fillRect(QRect(inside.right() + 1, all.top(), margins.right(), all.height()),
                     Palette::captionBarBottom);
    painter.fillRect(QRect(all.left(), inside.bottom() + 1, all.width(), margins.bottom()),
                     Palette::captionBarBottom);
    painter.setPen(Palette::frame);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}

Qt::CursorShape WindowFrame::cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling =
            edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    if (vertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

void WindowFrame::watchPlatformWindow()
{
    QWindow *handle = m_window.windowHandle();
    if (handle == m_platformWindow)
        return;
    if (m_platformWindow)
        m_platformWindow->removeEventFilter(this);
    m_platformWindow = handle;
    if (handle)
        handle->installEventFilter(this);
}

// An override cursor wins over whatever cursor the widget under the pointer asks for.
void WindowFrame::showCursorFor(Qt::Edges edges)
{
    if (edges == m_cursorEdges)
        return;
    if (!m_cursorEdges)
        QGuiApplication::setOverrideCursor(cursorFor(edges));
    else if (!edges)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::changeOverrideCursor(cursorFor(edges));
    m_cursorEdges = edges;
}

void WindowFrame::resizeByHand(const QPoint &global)
{
    const QPoint delta = global - m_startPointer;
    const QSize minimum = m_window.minimumSize().expandedTo({2 * kCornerLength, 2 * kCornerLength});
    QRect geometry = m_startGeometry;
    if (m_handEdges & Qt::LeftEdge)
        geometry.setLeft(
            std::min(geometry.left() + delta.x(), geometry.right() + 1 - minimum.width()));
    if (m_handEdges & Qt::RightEdge)
        geometry.setRight(
            std::max(geometry.right() + delta.x(), geometry.left() - 1 + minimum.width()));
    if (m_handEdges & Qt::TopEdge)
        geometry.setTop(
            std::min(geometry.top() + delta.y(), geometry.bottom() + 1 - minimum.height()));
    if (m_handEdges & Qt::BottomEdge)
        geometry.setBottom(
            std::max(geometry.bottom() + delta.y(), geometry.top() - 1 + minimum.height()));
    m_window.setGeometry(geometry);
}

bool WindowFrame::handleMouse(const QMouseEvent &event)
{
    const QPoint global = event.globalPosition().toPoint();
    switch (event.type()) {
    case QEvent::MouseMove:
        if (m_handEdges) {
            resizeByHand(global);
            return true;
        }
        if (event.buttons() == Qt::NoButton)
            showCursorFor(edgesAt(event.position().toPoint()));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (event.button() != Qt::LeftButton)
            return false;
        const Qt::Edges edges = edgesAt(event.position().toPoint());
        if (!edges)
            return false;
        // A double-click on the edge belongs to the frame, not to the caption bar under it.
        if (event.type() == QEvent::MouseButtonDblClick)
            return true;
        if (m_platformWindow && m_platformWindow->startSystemResize(edges))
            return true;
        m_handEdges = edges;
        m_startGeometry = m_window.geometry();
        m_startPointer = global;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_handEdges)
            return false;
        m_handEdges = {};
        showCursorFor(edgesAt(event.position().toPoint()));
        return true;
    default:
        return false;
    }
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::WinIdChange:
        case QEvent::PlatformSurface:
            watchPlatformWindow();
            updateBorder();
            break;
        case QEvent::WindowStateChange:
            updateBorder();
            if (!resizable()) {
                m_handEdges = {};
                showCursorFor({});
            }
            break;
        case QEvent::Paint:
            paintBorder();
            break;
        case QEvent::Hide:
            m_handEdges = {};
            showCursorFor({});
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == m_platformWindow) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return handleMouse(*static_cast<QMouseEvent *>(event));
        case QEvent::Leave:
            if (!m_handEdges)
                showCursorFor({});
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Tagovnik::Ribbon
