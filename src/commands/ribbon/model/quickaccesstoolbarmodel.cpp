#include "ribbon/model/quickaccesstoolbarmodel.h"

namespace Tagovnik::Ribbon {

QuickAccessToolbarModel::QuickAccessToolbarModel(const QuickAccessToolbarDefinition &definition,
                                                 QObject *parent)
    : QObject(parent), m_commandList(definition.commandList)
{
    for (const EntryDefinition &entry : definition.entries)
        append({entry, true, {}});
}

int QuickAccessToolbarModel::indexOfCommand(const QString &command) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).group.isEmpty() && m_entries.at(i).entry.command == command)
            return int(i);
    }
    return -1;
}

void QuickAccessToolbarModel::append(QuickAccessEntry entry)
{
    // Entries on the toolbar show their picture only.
    entry.entry.showCaption = false;
    m_entries.append(std::move(entry));
}

void QuickAccessToolbarModel::addEntry(const EntryDefinition &entry)
{
    append({entry, true, {}});
    Q_EMIT entryAdded(int(m_entries.size()) - 1);
}

void QuickAccessToolbarModel::addGroup(const GroupDefinition &group)
{
    EntryDefinition entry;
    entry.caption = group.caption;
    append({entry, true, group.name});
    Q_EMIT entryAdded(int(m_entries.size()) - 1);
}

void QuickAccessToolbarModel::removeEntry(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries.removeAt(index);
    Q_EMIT entryRemoved(index);
}

void QuickAccessToolbarModel::setShown(int index, bool shown)
{
    if (index < 0 || index >= m_entries.size() || m_entries.at(index).shown == shown)
        return;
    m_entries[index].shown = shown;
    Q_EMIT entryShownChanged(index, shown);
}

QStringList QuickAccessToolbarModel::addedGroups() const
{
    QStringList groups;
    for (const QuickAccessEntry &entry : m_entries) {
        if (!entry.group.isEmpty())
            groups.append(entry.group);
    }
    return groups;
}

void QuickAccessToolbarModel::setPosition(QuickAccessPosition position)
{
    if (position == m_position)
        return;
    m_position = position;
    Q_EMIT positionChanged(position);
}

} // namespace Tagovnik::Ribbon
