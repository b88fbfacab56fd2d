#include "shortcutdispatcher.h"

#include "actionmanager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace Tagovnik {

ShortcutDispatcher::ShortcutDispatcher(QWidget &mainWindow)
    : QObject(&mainWindow), m_mainWindow(mainWindow)
{
    qApp->installEventFilter(this);
}

ShortcutDispatcher::~ShortcutDispatcher()
{
    qApp->removeEventFilter(this);
}

void ShortcutDispatcher::addList(ActionManager &list)
{
    m_lists.append(&list);
}

QKeyCombination ShortcutDispatcher::combinationOf(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return QKeyCombination(modifiers, Qt::Key(event.key()));
}

bool ShortcutDispatcher::dispatch(QKeyCombination combination) const
{
    if (m_altGrHeld)
        return false;
    for (ActionManager *list : m_lists) {
        if (Command *command = list->commandForShortcut(combination); command && command->execute())
            return true;
    }
    return false;
}

// ShortcutOverride travels from the focused widget up to its window and stops at
// the first widget that claims the key; reaching a window means nobody did.
bool ShortcutDispatcher::reachedWindowUnclaimed(QObject *watched) const
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->isWindow())
        return false;
    // The main window's lists serve its dialogs too, but not while a modal
    // dialog (the print dialog, an error box) blocks it.
    return m_mainWindow.isEnabled() && !QApplication::activeModalWidget();
}

bool ShortcutDispatcher::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_AltGr)
            m_altGrHeld = event->type() == QEvent::KeyPress;
        if (event->type() == QEvent::KeyPress && m_takenKey == combinationOf(*key)) {
            m_takenKey.reset();
            return true; // a command took it
        }
        break;
    }
    case QEvent::ApplicationDeactivate:
        m_altGrHeld = false;
        break;
    case QEvent::ShortcutOverride:
        if (reachedWindowUnclaimed(watched)) {
            const auto &key = *static_cast<QKeyEvent *>(event);
            if (m_focusedControlClaims && m_focusedControlClaims(key))
                break;
            const QKeyCombination combination = combinationOf(key);
            // Marked before running: a failing command has still taken the key.
            m_takenKey = combination;
            if (!dispatch(combination))
                m_takenKey.reset();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace Tagovnik
