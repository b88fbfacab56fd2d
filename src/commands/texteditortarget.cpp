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

static bool isReadOnly(QWidget *editor)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        return line->isReadOnly();
    if (auto *text = qobject_cast<QTextEdit *>(editor))
        return text->isReadOnly();
    return qobject_cast<QPlainTextEdit *>(editor)->isReadOnly();
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
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->cut();
    else if (auto *text = qobject_cast<QTextEdit *>(editor))
        text->cut();
    else
        qobject_cast<QPlainTextEdit *>(editor)->cut();
}

void copy(QWidget *editor)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->copy();
    else if (auto *text = qobject_cast<QTextEdit *>(editor))
        text->copy();
    else
        qobject_cast<QPlainTextEdit *>(editor)->copy();
}

void paste(QWidget *editor)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->paste();
    else if (auto *text = qobject_cast<QTextEdit *>(editor))
        text->paste();
    else
        qobject_cast<QPlainTextEdit *>(editor)->paste();
}

} // namespace Tagovnik::TextEditorTarget
