#include "command.h"

#include "actionmanager.h"
#include "texteditortarget.h"

namespace Tagovnik {

Command::Command(ActionManager &list, const QString &name, CommandKind kind,
                 Presentation presentation, bool autoCheck)
    : QObject(&list), m_list(list), m_kind(kind), m_presentation(std::move(presentation)),
      m_autoCheck(autoCheck)
{
    setObjectName(name);
}

void Command::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    Q_EMIT changed();
}

void Command::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    Q_EMIT changed();
}

bool Command::disablesWithoutHandler() const
{
    switch (m_kind) {
    case CommandKind::TAction:
    case CommandKind::TEditCut:
    case CommandKind::TEditCopy:
    case CommandKind::TEditPaste:
        return true;
    case CommandKind::TSearchFind:
    case CommandKind::TSearchFindNext:
    case CommandKind::TPrintDlg:
        return false;
    }
    return false;
}

// While its list is suspended for customising, a command is never disabled.
void Command::setEvaluatedEnabled(bool enabled)
{
    setEnabled(enabled || m_list.isSuspended());
}

bool Command::findsTarget() const
{
    switch (m_kind) {
    case CommandKind::TAction:
        return false;
    case CommandKind::TEditCut:
    case CommandKind::TEditCopy:
    case CommandKind::TEditPaste:
        return TextEditorTarget::focused() != nullptr;
    case CommandKind::TSearchFind:
    case CommandKind::TSearchFindNext:
        // No find dialog holds a search text in this program, so finding never
        // has anything to work on.
        return false;
    case CommandKind::TPrintDlg:
        return true; // the print dialog takes any window
    }
    return false;
}

void Command::applyTargetState()
{
    QWidget *editor = TextEditorTarget::focused();
    switch (m_kind) {
    case CommandKind::TEditCut:
        setEvaluatedEnabled(TextEditorTarget::canCut(editor));
        break;
    case CommandKind::TEditCopy:
        setEvaluatedEnabled(TextEditorTarget::canCopy(editor));
        break;
    case CommandKind::TEditPaste:
        setEvaluatedEnabled(TextEditorTarget::canPaste(editor));
        break;
    default:
        break; // the print command has no state rule of its own
    }
}

void Command::evaluate()
{
    if (findsTarget()) {
        applyTargetState();
        return;
    }
    if (m_kind == CommandKind::TSearchFind || m_kind == CommandKind::TSearchFindNext) {
        // Their target test sets Enabled to its own, failed, outcome.
        setEvaluatedEnabled(false);
        return;
    }
    if (m_enabled && disablesWithoutHandler())
        setEvaluatedEnabled(hasOnExecute());
}

void Command::runStandardBehaviour()
{
    QWidget *editor = TextEditorTarget::focused();
    switch (m_kind) {
    case CommandKind::TEditCut:
        TextEditorTarget::cut(editor);
        break;
    case CommandKind::TEditCopy:
        TextEditorTarget::copy(editor);
        break;
    case CommandKind::TEditPaste:
        TextEditorTarget::paste(editor);
        break;
    default:
        if (m_standardBehaviour)
            m_standardBehaviour();
        break;
    }
}

bool Command::execute()
{
    if (m_list.isSuspended())
        return false;
    evaluate();
    if (!m_enabled)
        return false;
    if (m_autoCheck)
        setChecked(!m_checked);
    if (m_kind == CommandKind::TAction) {
        if (!m_onExecute)
            return false;
        m_onExecute();
        return true;
    }
    if (!findsTarget()) {
        evaluate();
        return false;
    }
    runStandardBehaviour();
    return true;
}

} // namespace Tagovnik
