#pragma once

#include <QList>
#include <QObject>

#include <functional>

namespace Tagovnik {

class Command;

// Whenever the event queue runs empty, the commands that visible ribbon entries
// show evaluate their enabled state, with no throttling.
class IdleEvaluator : public QObject
{
    Q_OBJECT

public:
    using VisibleCommands = std::function<QList<Command *>()>;

    explicit IdleEvaluator(QObject *parent = nullptr);

    void addSource(VisibleCommands source);
    void evaluateNow() const;

private:
    QList<VisibleCommands> m_sources;
};

} // namespace Tagovnik
