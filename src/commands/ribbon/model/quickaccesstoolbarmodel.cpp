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

bool QuickAccessToolbarModel::showsCommand(const QString &command) const
{
    for (const QuickAccessEntry &entry : m_entries) {
        if (!entry.isGroup() && entry.shown && entry.entry.command == command)
            return true;
    }
    return false;
}

bool QuickAccessToolbarModel::hasGroup(const QString &group) const
{
    return addedGroups().contains(group);
}

void QuickAccessToolbarModel::append(QuickAccessEntry entry)
{
    // Entries on the toolbar show their picture only.
    entry.entry.showCaption = false;
    m_entries.append(std::move(entry));
}

int QuickAccessToolbarModel::addEntry(const EntryDefinition &entry)
{
    // A hidden entry for the command comes back rather than a second one.
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const QuickAccessEntry &held = m_entries.at(i);
        if (!held.isGroup() && !held.shown && !entry.command.isEmpty() &&
            held.entry.command == entry.command) {
            setShown(int(i), true);
            return int(i);
        }
    }
    append({entry, true, {}});
    Q_EMIT entryAdded(int(m_entries.size()) - 1);
    return int(m_entries.size()) - 1;
}

int QuickAccessToolbarModel::addGroup(const GroupDefinition &group)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).group == group.name)
            return int(i);
    }
    QuickAccessEntry added;
    added.entry.caption = group.caption;
    added.group = group.name;
    added.tag = kGroupEntryTag;
    added.groupDefinition = group;
    append(std::move(added));
    Q_EMIT entryAdded(int(m_entries.size()) - 1);
    return int(m_entries.size()) - 1;
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
