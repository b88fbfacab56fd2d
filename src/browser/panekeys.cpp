#include "panekeys.h"

namespace Tagovnik::PaneKeys {

namespace {

struct Binding
{
    QKeyCombination key;
    Action action;
};

constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// Ctrl++ needs Shift on many layouts, and Ctrl+= is the same key without it.
constexpr Binding bindings[] = {
    {QKeyCombination(ctrl, Qt::Key_F), Action::OpenFind},
    {QKeyCombination(Qt::Key_F3), Action::FindNext},
    {QKeyCombination(Qt::ShiftModifier, Qt::Key_F3), Action::FindPrevious},
    {QKeyCombination(Qt::Key_Escape), Action::CloseFind},
    {QKeyCombination(ctrl, Qt::Key_Plus), Action::ZoomIn},
    {QKeyCombination(ctrlShift, Qt::Key_Plus), Action::ZoomIn},
    {QKeyCombination(ctrl, Qt::Key_Equal), Action::ZoomIn},
    {QKeyCombination(ctrl, Qt::Key_Minus), Action::ZoomOut},
    {QKeyCombination(ctrl, Qt::Key_0), Action::ZoomReset},
};

} // namespace

Action actionFor(QKeyCombination key, bool findBarOpen)
{
    const QKeyCombination plain(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key());
    for (const Binding &binding : bindings) {
        if (binding.key == plain)
            return binding.action == Action::CloseFind && !findBarOpen ? Action::None
                                                                        : binding.action;
    }
    return Action::None;
}

QList<QKeySequence> keysOf(Action action)
{
    QList<QKeySequence> keys;
    for (const Binding &binding : bindings) {
        if (binding.action == action)
            keys.append(QKeySequence(binding.key));
    }
    return keys;
}

} // namespace Tagovnik::PaneKeys
