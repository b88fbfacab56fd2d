#include "ribbon/windowchrome/windowmenu.h"

#include "ribbon/controls/doubleclicktime.h"
#include "ribbon/look/ribbontexts.h"
#include "ribbon/windowchrome/windowactions.h"

#include <QMouseEvent>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

WindowMenu::WindowMenu(QWidget *window, const QRect &doubleClickArea, QWidget *parent)
    : QMenu(parent), m_window(window), m_doubleClickArea(doubleClickArea)
{
    setObjectName(u"WindowMenu"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    m_openedAt.start();

    const bool maximised = window->isMaximized();
    const bool minimised = window->isMinimized();
    const bool resizable = WindowActions::isResizable(window);
    addCommand(Texts::restore, maximised || minimised, [](QWidget *w) { w->showNormal(); });
    addCommand(Texts::move, !maximised, [](QWidget *w) {
        if (QWindow *handle = w->windowHandle())
            handle->startSystemMove();
    });
    addCommand(Texts::size, !maximised && resizable, [](QWidget *w) {
        if (QWindow *handle = w->windowHandle())
            handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
    });
    addCommand(Texts::minimize, !minimised, [](QWidget *w) { w->showMinimized(); });
    addCommand(Texts::maximize, !maximised && resizable, [](QWidget *w) { w->showMaximized(); });
    addSeparator();
    addCommand(Texts::close, true, [](QWidget *w) { w->close(); });
    setDefaultAction(actions().constLast());
}

void WindowMenu::addCommand(const QString &text, bool enabled, void (*run)(QWidget *window))
{
    QAction *action = addAction(text);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [window = m_window, run] {
        if (window)
            run(window);
    });
}

void WindowMenu::mousePressEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (!rect().contains(event->position().toPoint()) && m_doubleClickArea.contains(global)) {
        const bool secondClick = withinDoubleClickTime(m_openedAt);
        const QPointer<QWidget> window = m_window;
        setAttribute(Qt::WA_NoMouseReplay);
        close();
        if (secondClick && window)
            window->close();
        return;
    }
    QMenu::mousePressEvent(event);
}

} // namespace Tagovnik::Ribbon
