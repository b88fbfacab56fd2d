#pragma once

#include "ribbon/geometry/ribbonbands.h"
#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QObject>
#include <QStringList>

namespace Tagovnik::Ribbon {

// One entry of the quick access toolbar's bar binding.
struct QuickAccessEntry
{
    EntryDefinition entry{}; // on the toolbar its picture alone, its caption only without one
    bool shown = true;     // a hidden entry stays in the binding and can be shown again
    QString group{};       // the group's name for a group added as a whole, else empty
    int tag = 0;           // kGroupEntryTag on a group's entry
    GroupDefinition groupDefinition{}; // what a group's entry drops down when pressed

    bool isGroup() const { return !group.isEmpty(); }
};

// What the quick access toolbar holds and where it stands, apart from any widget: its entries
// in order, which are shown, the groups added as a whole, and above or below the ribbon. The
// ribbon owns it; the toolbar widget shows it and the ribbon places that widget.
class QuickAccessToolbarModel : public QObject
{
    Q_OBJECT

public:
    // An entry for a group added as a whole carries this tag, as the toolkit's do.
    static constexpr int kGroupEntryTag = 100;

    explicit QuickAccessToolbarModel(const QuickAccessToolbarDefinition &definition,
                                     QObject *parent = nullptr);

    const QString &commandList() const { return m_commandList; }
    const QList<QuickAccessEntry> &entries() const { return m_entries; }
    // The first entry for that command, or -1.
    int indexOfCommand(const QString &command) const;
    // Whether an entry for that command is on the toolbar and shown.
    bool showsCommand(const QString &command) const;
    bool hasGroup(const QString &group) const;

    // Shows a hidden entry for the same command again, or else appends a copy of `entry`.
    // Returns the index of the entry that shows it.
    int addEntry(const EntryDefinition &entry);
    // One entry with the group's caption that stands for all of the group's entries; a group
    // is added once. Returns the index of the group's entry.
    int addGroup(const GroupDefinition &group);
    // Puts a new entry before the one at `index`; an index past the end appends.
    void insertEntry(int index, const EntryDefinition &entry);
    // Takes the entry at `from` out and puts it back so that it ends up at `to` (both
    // positions in the list as it is before the move).
    void moveEntry(int from, int to);
    void removeEntry(int index);
    void setShown(int index, bool shown);
    QStringList addedGroups() const;

    // A hidden toolbar takes no room, above or below; its entries stay.
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    QuickAccessPosition position() const { return m_position; }
    void setPosition(QuickAccessPosition position);

Q_SIGNALS:
    void entryAdded(int index);
    void entryRemoved(int index);
    void entryMoved(int from, int to);
    void entryShownChanged(int index, bool shown);
    void positionChanged(Tagovnik::Ribbon::QuickAccessPosition position);
    void visibilityChanged(bool visible);

private:
    void insert(int index, QuickAccessEntry entry);

    QString m_commandList;
    QList<QuickAccessEntry> m_entries;
    QuickAccessPosition m_position = QuickAccessPosition::AboveRibbon;
    bool m_visible = true;
};

} // namespace Tagovnik::Ribbon
