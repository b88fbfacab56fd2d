#include "shortcutdispatcher.h"

#include "actionmanager.h"
#include "errorboundary.h"

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

// Runs the command for the press announced by the last unclaimed
// ShortcutOverride, inside that press's own delivery: a modal dialog the
// command opens does not run inside ShortcutOverride, and a later press of the
// same keys (in that dialog, say) is a key press of its own.
bool ShortcutDispatcher::dispatchPendingKey(const QKeyEvent &press)
{
    const std::optional<PendingKey> pending = std::exchange(m_pendingKey, std::nullopt);
    if (!pending || pending->combination != combinationOf(press) ||
        pending->timestamp != press.timestamp())
        return false;
    bool taken = false;
    // A failing command has still taken the key.
    if (!ErrorBoundary::run([&] { taken = dispatch(pending->combination); }))
        taken = true;
    return taken;
}

bool ShortcutDispatcher::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_AltGr)
            m_altGrHeld = event->type() == QEvent::KeyPress;
        if (event->type() == QEvent::KeyPress && m_pendingKey)
            return dispatchPendingKey(*key);
        break;
    }
    case QEvent::ApplicationDeactivate:
        m_altGrHeld = false;
        break;
    case QEvent::ShortcutOverride:
        m_pendingKey.reset();
        if (reachedWindowUnclaimed(watched)) {
            const auto &key = *static_cast<QKeyEvent *>(event);
            if (m_focusedControlClaims && m_focusedControlClaims(key))
                break;
            m_pendingKey = PendingKey{combinationOf(key), key.timestamp()};
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace Tagovnik
