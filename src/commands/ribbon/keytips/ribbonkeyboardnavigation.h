#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace Tagovnik::Ribbon {

class KeyboardFocusMark;
class RibbonTabButton;

// Keyboard navigation across the ribbon: Left and Right move the focus through the tabs,
// selecting each, and past either end to the application button; Enter or Space there opens the
// application menu; Esc gives the focus back to the control that had it before (or the main
// window). The focused tab or button carries a visible focus mark. Clicking elsewhere, or the
// focus leaving for any other reason, ends it.
class RibbonKeyboardNavigation : public QObject
{
    Q_OBJECT

public:
    RibbonKeyboardNavigation(QWidget &ribbon, QAbstractButton *applicationButton);
    ~RibbonKeyboardNavigation() override;

    bool isActive() const { return !m_current.isNull(); }
    // Whatever has the focus mark now.
    QWidget *current() const;
    QWidget *returnFocus() const { return m_returnFocus; }

    // Moves from the selected tab (from the application button when no tab is selected) one
    // step left (-1) or right (+1). Returns false when there is nothing to move to.
    bool start(int step, QWidget *returnFocus);
    // Left, Right, Esc, Enter and Space: returns true when the key was taken.
    bool handleKey(const QKeyEvent &key);
    static bool takesKey(const QKeyEvent &key);
    // Ends navigation, giving the focus back first when asked to.
    void end(bool restoreFocus);

Q_SIGNALS:
    void activeChanged(bool active);

private:
    // The application button, then the tabs in order: the ring that Left and Right go round.
    QList<QAbstractButton *> ring() const;
    void moveTo(QAbstractButton *control);
    void move(int step);
    void focusChanged(QWidget *old, QWidget *now);

    QWidget &m_ribbon;
    QPointer<QAbstractButton> m_applicationButton;
    QPointer<QAbstractButton> m_current;
    QPointer<QWidget> m_returnFocus;
    QPointer<KeyboardFocusMark> m_mark;
    bool m_moving = false;
};

} // namespace Tagovnik::Ribbon
