#include "ribbon/model/quickaccesstoolbarmodel.h"

namespace Tagovnik::Ribbon {

QuickAccessToolbarModel::QuickAccessToolbarModel(const QuickAccessToolbarDefinition &definition,
                                                 QObject *parent)
    : QObject(parent), m_commandList(definition.commandList)
{
    for (const EntryDefinition &entry : definition.entries)
        insert(int(m_entries.size()), {entry, true, {}});
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

void QuickAccessToolbarModel::insert(int index, QuickAccessEntry entry)
{
    // Entries on the toolbar show their picture only; a command without a picture shows its
    // caption instead, or its button would be an empty square.
    entry.entry.showCaption = !entry.isGroup() && entry.entry.imageIndex < 0;
    m_entries.insert(index, std::move(entry));
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
    insertEntry(int(m_entries.size()), entry);
    return int(m_entries.size()) - 1;
}

void QuickAccessToolbarModel::insertEntry(int index, const EntryDefinition &entry)
{
    index = qBound(0, index, int(m_entries.size()));
    insert(index, {entry, true, {}});
    Q_EMIT entryAdded(index);
}

void QuickAccessToolbarModel::moveEntry(int from, int to)
{
    const int count = int(m_entries.size());
    if (from < 0 || from >= count)
        return;
    to = qBound(0, to, count - 1);
    if (to == from)
        return;
    m_entries.move(from, to);
    Q_EMIT entryMoved(from, to);
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
    insert(int(m_entries.size()), std::move(added));
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

void QuickAccessToolbarModel::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    Q_EMIT visibilityChanged(visible);
}

void QuickAccessToolbarModel::setPosition(QuickAccessPosition position)
{
    if (position == m_position)
        return;
    m_position = position;
    Q_EMIT positionChanged(position);
}

} // namespace Tagovnik::Ribbon
