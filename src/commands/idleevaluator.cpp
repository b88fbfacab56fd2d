#include "idleevaluator.h"

#include "command.h"

#include <QAbstractEventDispatcher>

namespace Tagovnik {

IdleEvaluator::IdleEvaluator(QObject *parent) : QObject(parent)
{
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &IdleEvaluator::evaluateNow);
}

void IdleEvaluator::addSource(VisibleCommands source)
{
    m_sources.append(std::move(source));
}

void IdleEvaluator::evaluateNow() const
{
    for (const VisibleCommands &source : m_sources) {
        for (Command *command : source())
            command->evaluate();
    }
}

} // namespace Tagovnik
