#include "actionmanager.h"

namespace Tagovnik {

ActionManager::ActionManager(const QString &name, ImageListId images, const QString &styleName,
                             QObject *parent)
    : QObject(parent), m_images(images), m_styleName(styleName)
{
    setObjectName(name);
}

Command *ActionManager::addCommand(const QString &name, CommandKind kind,
                                   Command::Presentation presentation, bool autoCheck)
{
    auto *command = new Command(*this, name, kind, std::move(presentation), autoCheck);
    m_commands.append(command);
    return command;
}

Command *ActionManager::command(const QString &name) const
{
    for (Command *command : m_commands) {
        if (command->name() == name)
            return command;
    }
    return nullptr;
}

void ActionManager::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    if (state == State::Suspended) {
        m_savedEnabled.clear();
        for (Command *command : std::as_const(m_commands)) {
            m_savedEnabled.append(command->isEnabled());
            command->setEnabled(true);
        }
        return;
    }
    for (qsizetype i = 0; i < m_commands.size(); ++i)
        m_commands.at(i)->setEnabled(m_savedEnabled.value(i, true));
    for (Command *command : std::as_const(m_commands))
        command->evaluate();
}

Command *ActionManager::commandForShortcut(QKeyCombination combination) const
{
    const QKeySequence sequence(combination);
    for (Command *command : m_commands) {
        if (!command->shortcut().isEmpty() && command->shortcut() == sequence)
            return command;
    }
    return nullptr;
}

} // namespace Tagovnik
