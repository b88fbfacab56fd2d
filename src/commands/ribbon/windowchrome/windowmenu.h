#pragma once

#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>

namespace Tagovnik::Ribbon {

// The window's system menu: "Restore", "Move", "Size", "Minimize", "Maximize" and "Close", each
// enabled as the window's state allows. It deletes itself when closed. A second click on the
// icon that opened it arrives here, as the menu holds the mouse; within the double-click time
// it closes the window.
class WindowMenu : public QMenu
{
    Q_OBJECT

public:
    // `doubleClickArea` (on screen) is the icon whose double-click closes the window; empty
    // where the menu was opened some other way.
    WindowMenu(QWidget *window, const QRect &doubleClickArea, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void addCommand(const QString &text, bool enabled, void (*run)(QWidget *window));

    QPointer<QWidget> m_window;
    QRect m_doubleClickArea;
    QElapsedTimer m_openedAt;
};

} // namespace Tagovnik::Ribbon
