#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

namespace Tagovnik {

class ActionManager;

// Matches key presses against the commands' shortcuts. The focused control is
// offered a key first (widgets claim the keys they handle themselves through
// ShortcutOverride, the web engine through the focused-control claim); a key
// whose ShortcutOverride reaches a window unclaimed is looked up in the main
// window's command lists, in creation order, when that same key press arrives.
// A key that a command took is not delivered; any other goes on as usual.
class ShortcutDispatcher : public QObject
{
    Q_OBJECT

public:
    explicit ShortcutDispatcher(QWidget &mainWindow);
    ~ShortcutDispatcher() override;

    void addList(ActionManager &list);

    // Asked before the lists: whether the focused control takes this key for
    // itself. Controls that host their own key handling (the web engine) say so here.
    using KeyClaim = std::function<bool(const QKeyEvent &)>;
    void setFocusedControlClaim(KeyClaim claim) { m_focusedControlClaims = std::move(claim); }

    // Asks each list in turn: its first command with this shortcut executes, and
    // the key is handled when that execution did something.
    bool dispatch(QKeyCombination combination) const;

    // The key with the Shift, Ctrl and Alt state, as shortcuts are written.
    static QKeyCombination combinationOf(const QKeyEvent &event);

    // While the right Alt key is held as AltGr, no combination triggers a command.
    bool isAltGrHeld() const { return m_altGrHeld; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool reachedWindowUnclaimed(QObject *watched) const;
    bool dispatchPendingKey(const QKeyEvent &press);

    // The key press that came through ShortcutOverride unclaimed: its timestamp
    // tells it from any later press of the same keys.
    struct PendingKey
    {
        QKeyCombination combination;
        quint64 timestamp = 0;
    };

    QWidget &m_mainWindow;
    QList<ActionManager *> m_lists;
    KeyClaim m_focusedControlClaims;
    bool m_altGrHeld = false;
    std::optional<PendingKey> m_pendingKey;
};

} // namespace Tagovnik
