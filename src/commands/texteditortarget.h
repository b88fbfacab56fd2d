#pragma once

class QWidget;

namespace Tagovnik {

// The clipboard and find commands work only on a text-editing control that has
// the keyboard focus. The main window holds none, so there they find no target.
namespace TextEditorTarget {

QWidget *focused();
bool canCut(QWidget *editor);
bool canCopy(QWidget *editor);
bool canPaste(QWidget *editor);
void cut(QWidget *editor);
void copy(QWidget *editor);
void paste(QWidget *editor);

} // namespace TextEditorTarget
} // namespace Tagovnik
