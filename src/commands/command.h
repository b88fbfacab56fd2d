#pragma once

#include "commandkind.h"

#include <QKeySequence>
#include <QObject>

#include <functional>

namespace Tagovnik {

class ActionManager;

// A named command with the texts, picture and shortcut that present it, and
// either a handler or a standard behaviour. Its enabled state is pulled: it is
// evaluated when the command executes and at idle moments.
class Command : public QObject
{
    Q_OBJECT

public:
    struct Presentation
    {
        QString category;
        QString caption; // "&" marks the accelerator letter
        QString hint;
        int imageIndex = -1;
        QKeySequence shortcut;
    };

    Command(ActionManager &list, const QString &name, CommandKind kind, Presentation presentation,
            bool autoCheck = false);

    QString name() const { return objectName(); }
    CommandKind kind() const { return m_kind; }
    ActionManager &list() const { return m_list; }
    const QString &category() const { return m_presentation.category; }
    const QString &caption() const { return m_presentation.caption; }
    const QString &hint() const { return m_presentation.hint; }
    int imageIndex() const { return m_presentation.imageIndex; }
    const QKeySequence &shortcut() const { return m_presentation.shortcut; }
    bool autoCheck() const { return m_autoCheck; }

    bool isEnabled() const { return m_enabled; }
    bool isChecked() const { return m_checked; }
    void setEnabled(bool enabled);
    void setChecked(bool checked);

    // The handler of a TAction, or the built-in behaviour of a standard command
    // that needs the window (the print dialog).
    void setOnExecute(std::function<void()> handler) { m_onExecute = std::move(handler); }
    bool hasOnExecute() const { return bool(m_onExecute); }
    void setStandardBehaviour(std::function<void()> behaviour)
    {
        m_standardBehaviour = std::move(behaviour);
    }

    // Runs the command; false when it did nothing (suspended list, disabled,
    // or no target for a standard command).
    bool execute();
    // Refreshes the enabled state.
    void evaluate();

    // Commands without a target lose their Enabled flag at evaluation unless
    // they have a handler; the find and print commands keep theirs.
    bool disablesWithoutHandler() const;

Q_SIGNALS:
    void changed();

private:
    bool findsTarget() const;
    void applyTargetState();
    void runStandardBehaviour();
    void setEvaluatedEnabled(bool enabled);

    ActionManager &m_list;
    const CommandKind m_kind;
    const Presentation m_presentation;
    const bool m_autoCheck;
    bool m_enabled = true;
    bool m_checked = false;
    std::function<void()> m_onExecute;
    std::function<void()> m_standardBehaviour;
};

} // namespace Tagovnik
