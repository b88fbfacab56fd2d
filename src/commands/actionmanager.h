#pragma once

#include "command.h"
#include "imagelistid.h"

#include <QKeyCombination>
#include <QList>
#include <QObject>

namespace Tagovnik {

// A command list: owns its commands in a fixed order, names the image list that
// serves all its picture roles and the style its ribbon bars are drawn in.
class ActionManager : public QObject
{
    Q_OBJECT

public:
    enum class State { Normal, Suspended };

    ActionManager(const QString &name, ImageListId images, const QString &styleName,
                  QObject *parent = nullptr);

    Command *addCommand(const QString &name, CommandKind kind, Command::Presentation presentation,
                        bool autoCheck = false);

    QString name() const { return objectName(); }
    ImageListId images() const { return m_images; }
    const QString &styleName() const { return m_styleName; }
    const QList<Command *> &commands() const { return m_commands; }
    Command *command(const QString &name) const;

    // Suspending (while the ribbon is customised) enables every command and
    // keeps what it was; returning to normal restores and re-evaluates at once.
    void setState(State state);
    State state() const { return m_state; }
    bool isSuspended() const { return m_state == State::Suspended; }

    // The first command whose shortcut is this combination.
    Command *commandForShortcut(QKeyCombination combination) const;

private:
    ImageListId m_images;
    QString m_styleName;
    QList<Command *> m_commands;
    QList<bool> m_savedEnabled;
    State m_state = State::Normal;
};

} // namespace Tagovnik
