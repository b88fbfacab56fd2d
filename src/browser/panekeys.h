#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

namespace Tagovnik {

// The keys the pane keeps for its own find bar and zoom while it has the focus.
namespace PaneKeys {

enum class Action {
    None,
    OpenFind,
    FindNext,
    FindPrevious,
    CloseFind,
    ZoomIn,
    ZoomOut,
    ZoomReset,
};

// The action a key stands for; Esc only while the find bar is open. The
// keypad's plus and minus count as the main keyboard's.
Action actionFor(QKeyCombination key, bool findBarOpen);

// The key sequences of an action, for the pane's shortcuts.
QList<QKeySequence> keysOf(Action action);

} // namespace PaneKeys

} // namespace Tagovnik
