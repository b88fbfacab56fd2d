#pragma once

namespace Tagovnik {

// TAction is a plain command whose work is its handler; the others are the
// toolkit's standard commands with built-in behaviour.
enum class CommandKind {
    TAction,
    TEditCut,
    TEditCopy,
    TEditPaste,
    TSearchFind,
    TSearchFindNext,
    TPrintDlg,
};

} // namespace Tagovnik
