#include "form1definition.h"
#include "programdefinition.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

namespace {

// One row of the ribbon's binding tables: caption as stored, command, picture, caption shown.
struct Row
{
    const char16_t *caption;
    const char16_t *command;
    int image;
    bool showCaption = true;
};

void compareEntries(const QList<EntryDefinition> &entries, const QList<Row> &rows)
{
    QCOMPARE(entries.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const EntryDefinition &entry = entries.at(i);
        const Row &row = rows.at(i);
        const QByteArray where = QString::fromUtf16(row.caption).toUtf8();
        QVERIFY2(entry.caption == QString::fromUtf16(row.caption), where.constData());
        QVERIFY2(entry.command == QString::fromUtf16(row.command), where.constData());
        QVERIFY2(entry.imageIndex == row.image, where.constData());
        QVERIFY2(entry.showCaption == row.showCaption, where.constData());
        // No entry of the program has a key tip of its own.
        QVERIFY2(entry.keyTip.isEmpty(), where.constData());
        QCOMPARE(entry.isSeparator(), row.caption == std::u16string_view(u"-"));
    }
}

const GroupDefinition *groupNamed(const RibbonDefinition &ribbon, const QString &name)
{
    for (const PageDefinition &page : ribbon.pages) {
        for (const GroupDefinition &group : page.groups) {
            if (group.name == name)
                return &group;
        }
    }
    return nullptr;
}

} // namespace

// The window's own ribbon definition, entry by entry, as the program's ribbon tables give it.
class TestForm1Definition : public QObject
{
    Q_OBJECT

    const RibbonDefinition &ribbon = Form1Definition::ribbon();

private Q_SLOTS:
    void ribbonSettings()
    {
        QCOMPARE(ribbon.caption, u"Tagovnik 2.1"_s);
        QCOMPARE(ribbon.styleName, u"Ribbon - Silver"_s);
        QCOMPARE(ribbon.commandList, u"ActionManager1"_s);
        QCOMPARE(ribbon.storedTabIndex, 1);
        QVERIFY(ribbon.showHelpButton);
        // The ribbon's style is its command list's too.
        QCOMPARE(Form1Definition::commandLists().front().name, u"ActionManager1");
        QCOMPARE(Form1Definition::commandLists().front().styleName, u"Ribbon - Silver");
    }

    void pagesAndTheirGroups()
    {
        QCOMPARE(ribbon.pages.size(), 2);
        const struct
        {
            const char16_t *name;
            const char16_t *caption;
            int index;
            QStringList groups;
        } pages[] = {
            {u"RibbonPage1", u"Domů", 0, {u"RibbonGroup2"_s, u"RibbonGroup4"_s}},
            {u"RibbonPage3", u"Další", 1, {u"RibbonGroup3"_s, u"RibbonGroup8"_s}},
        };
        for (qsizetype i = 0; i < ribbon.pages.size(); ++i) {
            const PageDefinition &page = ribbon.pages.at(i);
            QCOMPARE(page.name, QString::fromUtf16(pages[i].name));
            QCOMPARE(page.caption, QString::fromUtf16(pages[i].caption));
            QCOMPARE(page.index, pages[i].index);
            QStringList groups;
            for (const GroupDefinition &group : page.groups)
                groups << group.name;
            QCOMPARE(groups, pages[i].groups);
        }

        const struct
        {
            const char16_t *name;
            const char16_t *caption;
            int groupIndex;
            const char16_t *list;
            Qt::LayoutDirection readingOrder;
        } groups[] = {
            {u"RibbonGroup2", u"Orvalis", 1, u"ActionManager1", Qt::RightToLeft},
            {u"RibbonGroup4", u"Navigace", 3, u"ActionManager3", Qt::LeftToRight},
            {u"RibbonGroup3", u"Systém", 2, u"ActionManager3", Qt::LeftToRight},
            {u"RibbonGroup8", u"Program", 2, u"ActionManager2", Qt::LeftToRight},
        };
        for (const auto &expected : groups) {
            const GroupDefinition *group = groupNamed(ribbon, QString::fromUtf16(expected.name));
            QVERIFY(group);
            QCOMPARE(group->caption, QString::fromUtf16(expected.caption));
            QCOMPARE(group->groupIndex, expected.groupIndex);
            QCOMPARE(group->commandList, QString::fromUtf16(expected.list));
            QCOMPARE(group->readingOrder, expected.readingOrder);
        }
    }

    void groupEntries()
    {
        compareEntries(groupNamed(ribbon, u"RibbonGroup2"_s)->entries,
                       {{u"&Tagovnik", u"web1", 10},
                        {u"T&agovnik on-line", u"web2", 10},
                        {u"&Orvalis", u"web3", 10},
                        {u"T&ipy a triky", u"web6", 10},
                        {u"&Velmora", u"web4", 10},
                        {u"&Zákaznická podpora", u"web5", 10}});
        compareEntries(groupNamed(ribbon, u"RibbonGroup8"_s)->entries,
                       {{u"&O programu", u"Action4", 10}, {u"&Nápověda", u"Action3", 4}});
        compareEntries(groupNamed(ribbon, u"RibbonGroup4"_s)->entries,
                       {{u"&Zpět", u"Action6", 9},
                        {u"&Vpřed", u"Vpred", 6},
                        {u"&Aktualizovat", u"akzualizovat", 7},
                        {u"&Stop", u"stop", 8},
                        {u"&Domů", u"domu", 11}});
        compareEntries(groupNamed(ribbon, u"RibbonGroup3"_s)->entries,
                       {{u"&Aktualizace", u"Action5", 0}});
    }

    void applicationMenu()
    {
        const ApplicationMenuDefinition &menu = ribbon.applicationMenu;
        QCOMPARE(menu.caption, u"Tagovnik - menu"_s);
        QCOMPARE(menu.keyTip, u"F"_s);
        QCOMPARE(menu.commandList, u"ActionManager1"_s);
        compareEntries(menu.entries, {{u"&Domů", u"domu", 11},
                                      {u"&Aktualizace", u"Action5", 0},
                                      {u"-", u"", -1},
                                      {u"&O programu", u"Action4", 10},
                                      {u"&Poslat příteli", u"Action1", 16}});
        QCOMPARE(menu.optionEntries.size(), 1);
        QCOMPARE(menu.optionEntries.front().command, u"Action7"_s);
        QCOMPARE(menu.optionEntries.front().caption, u"Konec"_s);
    }

    void quickAccessToolbar()
    {
        QCOMPARE(ribbon.quickAccessToolbar.commandList, u"ActionManager1"_s);
        compareEntries(ribbon.quickAccessToolbar.entries,
                       {{u"&Zpět", u"Action6", 9, false},
                        {u"&Aktualizovat", u"akzualizovat", 7, false},
                        {u"&Vpřed", u"Vpred", 6, false}});
    }

    // Every entry names a command that the window defines.
    void entriesReferToDefinedCommands()
    {
        QStringList defined;
        for (const Form1Definition::CommandDefinition &command : Form1Definition::commands())
            defined << command.name.toString();
        QList<EntryDefinition> all = ribbon.applicationMenu.entries;
        all += ribbon.applicationMenu.optionEntries;
        all += ribbon.quickAccessToolbar.entries;
        for (const PageDefinition &page : ribbon.pages) {
            for (const GroupDefinition &group : page.groups)
                all += group.entries;
        }
        for (const EntryDefinition &entry : std::as_const(all)) {
            if (!entry.isSeparator())
                QVERIFY2(defined.contains(entry.command), qPrintable(entry.command));
        }
    }

    // Commands, the ribbon and its bars name their list; every such name is a list's.
    void listsAreNamedByDefinedNames()
    {
        QStringList lists;
        for (const Form1Definition::CommandListDefinition &list : Form1Definition::commandLists())
            lists << list.name.toString();
        QCOMPARE(lists,
                 (QStringList{u"ActionManager1"_s, u"ActionManager2"_s, u"ActionManager3"_s}));
        for (const Form1Definition::CommandDefinition &command : Form1Definition::commands())
            QVERIFY2(lists.contains(command.list.toString()), qPrintable(command.name.toString()));
        QStringList bars = {ribbon.commandList, ribbon.applicationMenu.commandList,
                            ribbon.quickAccessToolbar.commandList};
        for (const PageDefinition &page : ribbon.pages) {
            for (const GroupDefinition &group : page.groups)
                bars << group.commandList;
        }
        for (const QString &bar : std::as_const(bars))
            QVERIFY2(lists.contains(bar), qPrintable(bar));
    }

    // The tests below the window build their ribbons and lists from a copy of this definition;
    // the copy must be the window's own, row by row.
    void testCopyIsTheWindowsOwn()
    {
        QVERIFY(ProgramDefinition::ribbon() == ribbon);

        const auto lists = Form1Definition::commandLists();
        const auto copiedLists = ProgramDefinition::commandLists();
        QCOMPARE(copiedLists.size(), lists.size());
        for (std::size_t i = 0; i < lists.size(); ++i) {
            QCOMPARE(copiedLists[i].name, lists[i].name);
            QCOMPARE(copiedLists[i].images, lists[i].images);
            QCOMPARE(copiedLists[i].styleName, lists[i].styleName);
        }

        const auto commands = Form1Definition::commands();
        const auto copied = ProgramDefinition::commands();
        QCOMPARE(copied.size(), commands.size());
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const Form1Definition::CommandDefinition &command = commands[i];
            const ProgramDefinition::CommandRow &copy = copied[i];
            const QByteArray where = command.name.toUtf8();
            QVERIFY2(copy.list == command.list, where.constData());
            QVERIFY2(copy.name == command.name, where.constData());
            QVERIFY2(copy.kind == command.kind, where.constData());
            QVERIFY2(copy.category == command.category, where.constData());
            QVERIFY2(copy.caption == command.caption, where.constData());
            QVERIFY2(copy.hint == command.hint, where.constData());
            QVERIFY2(copy.imageIndex == command.imageIndex, where.constData());
            QVERIFY2(copy.shortcut == command.shortcut, where.constData());
            QVERIFY2(copy.autoCheck == command.autoCheck, where.constData());
        }
    }
};

QTEST_APPLESS_MAIN(TestForm1Definition)
#include "tst_form1definition.moc"
