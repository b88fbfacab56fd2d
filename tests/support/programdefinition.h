#pragma once

#include "actionmanager.h"
#include "ribbon/model/entryforms.h"
#include "ribbon/model/ribbonstructure.h"

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <span>

// The program's command lists and ribbon definition as data, for the tests of the parts below
// the window, which may not use the window's definition itself. tst_form1definition holds this
// copy to the window's own, so that it cannot drift.
namespace ProgramDefinition {

using Tagovnik::CommandKind;
using Tagovnik::ImageListId;

struct CommandList
{
    QStringView name;
    ImageListId images;
    QStringView styleName;
};

// A command of the program without its handler.
struct CommandRow
{
    QStringView list;
    QStringView name;
    CommandKind kind = CommandKind::TAction;
    QStringView category = {};
    QStringView caption = {};
    QStringView hint = {};
    int imageIndex = -1;
    QKeyCombination shortcut = QKeyCombination(Qt::Key(0)); // Qt::Key(0): none
    bool autoCheck = false;
};

// In creation order, which is the order in which shortcuts are looked up.
inline std::span<const CommandList> commandLists()
{
    // clang-format off
    static constexpr CommandList lists[] = {
        {.name = u"ActionManager1", .images = ImageListId::ImageList1, .styleName = u"Ribbon - Silver"},
        {.name = u"ActionManager2", .images = ImageListId::ImageList2, .styleName = u"Platform Default"},
        {.name = u"ActionManager3", .images = ImageListId::ImageList3, .styleName = u"Platform Default"},
    };
    // clang-format on
    return lists;
}

inline std::span<const CommandRow> commands()
{
    constexpr auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
    // clang-format off
    static constexpr CommandRow rows[] = {
        {.list = u"ActionManager1", .name = u"Action6", .caption = u"Zpět", .hint = u"O krok zpět", .imageIndex = 9},
        {.list = u"ActionManager1", .name = u"akzualizovat", .caption = u"Aktualizovat", .hint = u"Aktualizovat stránku", .imageIndex = 7},
        {.list = u"ActionManager1", .name = u"Vpred", .caption = u"Vpřed", .hint = u"O krok vpřed", .imageIndex = 6},
        {.list = u"ActionManager1", .name = u"stop", .caption = u"Stop", .hint = u"Zastavit akci", .imageIndex = 8},
        {.list = u"ActionManager1", .name = u"web1", .caption = u"Tagovnik", .hint = u"Zobrazit program Tagovnik 2.1", .imageIndex = 10},
        {.list = u"ActionManager1", .name = u"web2", .caption = u"Tagovnik on-line", .hint = u"Tagovnik na internetu", .imageIndex = 10},
        {.list = u"ActionManager1", .name = u"web3", .caption = u"Orvalis", .hint = u"Stránky Orvalis", .imageIndex = 10},
        {.list = u"ActionManager1", .name = u"web4", .caption = u"Velmora", .hint = u"Projekt Velmora", .imageIndex = 10},
        {.list = u"ActionManager1", .name = u"web5", .caption = u"Zákaznická podpora", .hint = u"Přejít na zákaznickou podporu", .imageIndex = 10},
        {.list = u"ActionManager1", .name = u"web6", .caption = u"Tipy a triky", .hint = u"Tipy a triky s programem nebo jak programovat stránky", .imageIndex = 10},
        {.list = u"ActionManager1", .name = u"EditPaste1", .kind = CommandKind::TEditPaste, .category = u"Edit", .caption = u"&Vložit", .hint = u"Vložit", .imageIndex = 5, .shortcut = ctrl(Qt::Key_V)},
        {.list = u"ActionManager1", .name = u"EditCut1", .kind = CommandKind::TEditCut, .category = u"Edit", .caption = u"Výjmout", .hint = u"Výjmout", .imageIndex = 2, .shortcut = ctrl(Qt::Key_X)},
        {.list = u"ActionManager1", .name = u"Action2", .caption = u"Offline", .autoCheck = true},
        {.list = u"ActionManager1", .name = u"Aktualizace", .caption = u"Aktualizace", .hint = u"Aktualizovat program", .imageIndex = 0},
        {.list = u"ActionManager2", .name = u"PrintDlg1", .kind = CommandKind::TPrintDlg, .category = u"Dialog", .caption = u"&Tisk", .hint = u"Tisknout stránku", .imageIndex = 13, .shortcut = ctrl(Qt::Key_P)},
        {.list = u"ActionManager2", .name = u"Action1", .category = u"Dialog", .caption = u"Poslat příteli", .hint = u"Doporučit program prátelům", .imageIndex = 12},
        {.list = u"ActionManager2", .name = u"SearchFind1", .kind = CommandKind::TSearchFind, .category = u"Search", .caption = u"Najít", .hint = u"Najít na stránce", .imageIndex = 3, .shortcut = ctrl(Qt::Key_F)},
        {.list = u"ActionManager2", .name = u"SearchFindNext1", .kind = CommandKind::TSearchFindNext, .category = u"Search", .caption = u"Najít další", .hint = u"Najít další", .imageIndex = 14, .shortcut = Qt::Key_F3},
        {.list = u"ActionManager2", .name = u"Action3", .caption = u"Nápověda", .hint = u"Nápověda k programu", .imageIndex = 4},
        {.list = u"ActionManager2", .name = u"Action4", .caption = u"O programu", .hint = u"O tomto programu", .imageIndex = 10},
        {.list = u"ActionManager2", .name = u"Action7", .caption = u"Konec"},
        {.list = u"ActionManager3", .name = u"domu", .caption = u"Domů", .hint = u"Přejít zpět na program Tagovnik", .imageIndex = 11},
        {.list = u"ActionManager3", .name = u"EditCopy1", .kind = CommandKind::TEditCopy, .category = u"Edit", .caption = u"&Kopírovat", .hint = u"Kopírovat", .imageIndex = 1, .shortcut = ctrl(Qt::Key_C)},
        {.list = u"ActionManager3", .name = u"Action5", .caption = u"Aktualizace", .hint = u"Aktualizovat program", .imageIndex = 0},
    };
    // clang-format on
    return rows;
}

// Ribbon1: its pages and groups, the bar bindings with their entries, the application menu and
// the quick access toolbar.
inline const Tagovnik::Ribbon::RibbonDefinition &ribbon()
{
    using namespace Qt::StringLiterals;
    using Tagovnik::Ribbon::commandEntry;
    using Tagovnik::Ribbon::pictureOnlyEntry;
    using Tagovnik::Ribbon::separator;

    static const Tagovnik::Ribbon::RibbonDefinition definition{
        .caption = u"Tagovnik 2.1"_s,
        .styleName = u"Ribbon - Silver"_s,
        .commandList = u"ActionManager1"_s,
        .storedTabIndex = 1,
        .showHelpButton = true,
        .pages =
            {
                {.name = u"RibbonPage1"_s,
                 .caption = u"Domů"_s,
                 .index = 0,
                 .groups =
                     {
                         {.name = u"RibbonGroup2"_s,
                          .caption = u"Orvalis"_s,
                          .groupIndex = 1,
                          .commandList = u"ActionManager1"_s,
                          .readingOrder = Qt::RightToLeft,
                          .entries =
                              {
                                  commandEntry(u"&Tagovnik", u"web1", 10),
                                  commandEntry(u"T&agovnik on-line", u"web2", 10),
                                  commandEntry(u"&Orvalis", u"web3", 10),
                                  commandEntry(u"T&ipy a triky", u"web6", 10),
                                  commandEntry(u"&Velmora", u"web4", 10),
                                  commandEntry(u"&Zákaznická podpora", u"web5", 10),
                              }},
                         {.name = u"RibbonGroup4"_s,
                          .caption = u"Navigace"_s,
                          .groupIndex = 3,
                          .commandList = u"ActionManager3"_s,
                          .readingOrder = Qt::LeftToRight,
                          .entries =
                              {
                                  commandEntry(u"&Zpět", u"Action6", 9),
                                  commandEntry(u"&Vpřed", u"Vpred", 6),
                                  commandEntry(u"&Aktualizovat", u"akzualizovat", 7),
                                  commandEntry(u"&Stop", u"stop", 8),
                                  commandEntry(u"&Domů", u"domu", 11),
                              }},
                     }},
                {.name = u"RibbonPage3"_s,
                 .caption = u"Další"_s,
                 .index = 1,
                 .groups =
                     {
                         {.name = u"RibbonGroup3"_s,
                          .caption = u"Systém"_s,
                          .groupIndex = 2,
                          .commandList = u"ActionManager3"_s,
                          .readingOrder = Qt::LeftToRight,
                          .entries = {commandEntry(u"&Aktualizace", u"Action5", 0)}},
                         {.name = u"RibbonGroup8"_s,
                          .caption = u"Program"_s,
                          .groupIndex = 2,
                          .commandList = u"ActionManager2"_s,
                          .readingOrder = Qt::LeftToRight,
                          .entries =
                              {
                                  commandEntry(u"&O programu", u"Action4", 10),
                                  commandEntry(u"&Nápověda", u"Action3", 4),
                              }},
                     }},
            },
        .applicationMenu =
            {
                .caption = u"Tagovnik - menu"_s,
                .keyTip = u"F"_s,
                .commandList = u"ActionManager1"_s,
                .entries =
                    {
                        commandEntry(u"&Domů", u"domu", 11),
                        commandEntry(u"&Aktualizace", u"Action5", 0),
                        separator(),
                        commandEntry(u"&O programu", u"Action4", 10),
                        commandEntry(u"&Poslat příteli", u"Action1", 16),
                    },
                .optionEntries = {commandEntry(u"Konec", u"Action7")},
            },
        .quickAccessToolbar =
            {
                .commandList = u"ActionManager1"_s,
                .entries =
                    {
                        pictureOnlyEntry(u"&Zpět", u"Action6", 9),
                        pictureOnlyEntry(u"&Aktualizovat", u"akzualizovat", 7),
                        pictureOnlyEntry(u"&Vpřed", u"Vpred", 6),
                    },
            },
    };
    return definition;
}

// The group of ribbon() with that name, for a test that builds groups or pages of its own.
inline const Tagovnik::Ribbon::GroupDefinition &group(QStringView name)
{
    for (const Tagovnik::Ribbon::PageDefinition &page : ribbon().pages) {
        for (const Tagovnik::Ribbon::GroupDefinition &group : page.groups) {
            if (group.name == name)
                return group;
        }
    }
    qFatal("The program has no group %s", qPrintable(name.toString()));
    Q_UNREACHABLE();
}

// The program's three command lists filled with its commands, in its order. Each action reports
// to onRun instead of doing what the window does; the standard commands keep their behaviour.
class CommandLists
{
public:
    CommandLists()
    {
        for (const CommandList &list : commandLists()) {
            m_lists.append(new Tagovnik::ActionManager(list.name.toString(), list.images,
                                                       list.styleName.toString(), &m_owner));
        }
        for (const CommandRow &row : commands()) {
            const QString name = row.name.toString();
            Tagovnik::Command *command = list(row.list).addCommand(
                name, row.kind,
                {row.category.toString(), row.caption.toString(), row.hint.toString(),
                 row.imageIndex, row.shortcut.key() ? QKeySequence(row.shortcut) : QKeySequence()},
                row.autoCheck);
            if (row.kind == CommandKind::TAction) {
                command->setOnExecute([this, name] {
                    if (onRun)
                        onRun(name);
                });
            }
        }
    }

    Tagovnik::ActionManager &list(QStringView name) const
    {
        for (Tagovnik::ActionManager *candidate : m_lists) {
            if (candidate->name() == name)
                return *candidate;
        }
        qFatal("The program has no command list %s", qPrintable(name.toString()));
        Q_UNREACHABLE();
    }

    // In creation order, as the ribbon's context takes them.
    const QList<Tagovnik::ActionManager *> &all() const { return m_lists; }

    std::function<void(const QString &command)> onRun;

private:
    QObject m_owner;
    QList<Tagovnik::ActionManager *> m_lists;
};

} // namespace ProgramDefinition
