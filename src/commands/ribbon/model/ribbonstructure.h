#pragma once

#include <QList>
#include <QString>

// The ribbon's structure as the window's definition states it: pages, groups,
// bar bindings with their entries, the application menu and the quick access
// toolbar. Plain data; the ribbon's widgets are built from it.
namespace Tagovnik::Ribbon {

struct EntryDefinition
{
    QString caption; // as stored, "&" marks the access letter; "-" is a separator
    QString command; // the command's name; empty for a separator
    int imageIndex = -1;
    bool showCaption = true;
    QString keyTip;

    bool isSeparator() const { return caption == u"-"; }
    friend bool operator==(const EntryDefinition &, const EntryDefinition &) = default;
};

struct GroupDefinition
{
    QString name; // RibbonGroup2, ...
    QString caption;
    int groupIndex = 0;
    QString commandList; // the list whose bar binding feeds the group
    Qt::LayoutDirection readingOrder = Qt::LeftToRight;
    QList<EntryDefinition> entries;
    friend bool operator==(const GroupDefinition &, const GroupDefinition &) = default;
};

struct PageDefinition
{
    QString name; // RibbonPage1, ...
    QString caption;
    int index = 0;
    QList<GroupDefinition> groups; // as defined; displayed by GroupIndex
    QString keyTip = {}; // its tab's; defaulted, so that definitions may leave it out

    friend bool operator==(const PageDefinition &, const PageDefinition &) = default;
};

struct ApplicationMenuDefinition
{
    QString caption; // "Tagovnik - menu"
    QString keyTip;
    QString commandList; // the list whose bar binding feeds the menu
    QList<EntryDefinition> entries;
    QList<EntryDefinition> optionEntries;
    friend bool operator==(const ApplicationMenuDefinition &,
                           const ApplicationMenuDefinition &) = default;
};

struct QuickAccessToolbarDefinition
{
    QString commandList;
    QList<EntryDefinition> entries;
    friend bool operator==(const QuickAccessToolbarDefinition &,
                           const QuickAccessToolbarDefinition &) = default;
};

struct RibbonDefinition
{
    QString caption; // drawn in the caption bar
    QString styleName;
    QString commandList;
    int storedTabIndex = 0; // has no effect: start-up selects the first tab
    bool showHelpButton = true;
    QList<PageDefinition> pages; // in tab order
    ApplicationMenuDefinition applicationMenu;
    QuickAccessToolbarDefinition quickAccessToolbar;
    friend bool operator==(const RibbonDefinition &, const RibbonDefinition &) = default;
};

} // namespace Tagovnik::Ribbon
