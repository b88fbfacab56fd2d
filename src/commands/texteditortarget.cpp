#include "texteditortarget.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace Tagovnik::TextEditorTarget {

QWidget *focused()
{
    QWidget *widget = QApplication::focusWidget();
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QTextEdit *>(widget) ||
        qobject_cast<QPlainTextEdit *>(widget))
        return widget;
    return nullptr;
}

// All three editors have a readOnly property and cut(), copy() and paste() slots.
static bool isReadOnly(QWidget *editor)
{
    return editor->property("readOnly").toBool();
}

bool canCopy(QWidget *editor)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        return line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
    if (auto *text = qobject_cast<QTextEdit *>(editor))
        return text->textCursor().hasSelection();
    return qobject_cast<QPlainTextEdit *>(editor)->textCursor().hasSelection();
}

bool canCut(QWidget *editor)
{
    return canCopy(editor) && !isReadOnly(editor);
}

bool canPaste(QWidget *editor)
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return !isReadOnly(editor) && data && data->hasText();
}

void cut(QWidget *editor)
{
    QMetaObject::invokeMethod(editor, "cut");
}

void copy(QWidget *editor)
{
    QMetaObject::invokeMethod(editor, "copy");
}

void paste(QWidget *editor)
{
    QMetaObject::invokeMethod(editor, "paste");
}

} // namespace Tagovnik::TextEditorTarget
