#include "ribbon/model/entryforms.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

namespace {

QStringList commandsOf(const QuickAccessToolbarModel &model)
{
    QStringList commands;
    for (const QuickAccessEntry &item : model.entries())
        commands << (item.group.isEmpty() ? item.entry.command : u"group "_s + item.group);
    return commands;
}

} // namespace

// The quick access toolbar's entries and position, and the signals its views follow.
class TestQuickAccessToolbarModel : public QObject
{
    Q_OBJECT

    QuickAccessToolbarDefinition definition{
        .commandList = u"ActionManager1"_s,
        .entries = {commandEntry(u"&Zpět", u"Action6", 9), commandEntry(u"&Vpřed", u"Vpred", 6)},
    };

private Q_SLOTS:
    void startsFromTheDefinitionWithoutCaptions()
    {
        const QuickAccessToolbarModel model(definition);
        QCOMPARE(model.commandList(), u"ActionManager1"_s);
        QCOMPARE(commandsOf(model), (QStringList{u"Action6"_s, u"Vpred"_s}));
        for (const QuickAccessEntry &item : model.entries()) {
            QVERIFY(item.shown);
            QVERIFY(!item.entry.showCaption);
        }
        QCOMPARE(model.position(), QuickAccessPosition::AboveRibbon);
        QCOMPARE(model.indexOfCommand(u"Vpred"_s), 1);
        QCOMPARE(model.indexOfCommand(u"stop"_s), -1);
    }

    void addRemoveHideAndShowAgain()
    {
        QuickAccessToolbarModel model(definition);
        QSignalSpy added(&model, &QuickAccessToolbarModel::entryAdded);
        QSignalSpy removed(&model, &QuickAccessToolbarModel::entryRemoved);
        QSignalSpy shown(&model, &QuickAccessToolbarModel::entryShownChanged);

        model.addEntry(commandEntry(u"&Stop", u"stop", 8));
        QCOMPARE(commandsOf(model), (QStringList{u"Action6"_s, u"Vpred"_s, u"stop"_s}));
        QCOMPARE(added.takeFirst().at(0).toInt(), 2);
        QVERIFY(!model.entries().at(2).entry.showCaption);
        QCOMPARE(model.entries().at(2).entry.imageIndex, 8);

        model.setShown(0, false);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), 0);
        QCOMPARE(shown.at(0).at(1).toBool(), false);
        model.setShown(0, false); // no change, no signal
        QCOMPARE(shown.size(), 1);
        // Hidden, it stays in the binding.
        QCOMPARE(model.indexOfCommand(u"Action6"_s), 0);
        model.setShown(0, true);
        QCOMPARE(shown.size(), 2);
        QVERIFY(model.entries().at(0).shown);

        model.removeEntry(1);
        QCOMPARE(commandsOf(model), (QStringList{u"Action6"_s, u"stop"_s}));
        QCOMPARE(removed.takeFirst().at(0).toInt(), 1);
        model.removeEntry(5);
        QCOMPARE(removed.size(), 0);
    }

    // Adding the command of a hidden entry shows that entry again instead of a second one.
    void addingShowsAHiddenEntryAgain()
    {
        QuickAccessToolbarModel model(definition);
        QSignalSpy added(&model, &QuickAccessToolbarModel::entryAdded);
        QVERIFY(model.showsCommand(u"Action6"_s));
        model.setShown(0, false);
        QVERIFY(!model.showsCommand(u"Action6"_s));
        QCOMPARE(model.addEntry(commandEntry(u"&Zpět", u"Action6", 9)), 0);
        QCOMPARE(commandsOf(model), (QStringList{u"Action6"_s, u"Vpred"_s}));
        QVERIFY(model.entries().at(0).shown);
        QVERIFY(model.showsCommand(u"Action6"_s));
        QCOMPARE(added.size(), 0);
        // A command that is shown already gets another entry only when asked directly.
        QCOMPARE(model.addEntry(commandEntry(u"&Vpřed", u"Vpred", 6)), 2);
        QCOMPARE(added.size(), 1);
    }

    void insertAtAPlaceAndMoveAlong()
    {
        QuickAccessToolbarModel model(definition);
        QSignalSpy added(&model, &QuickAccessToolbarModel::entryAdded);
        QSignalSpy moved(&model, &QuickAccessToolbarModel::entryMoved);

        model.insertEntry(1, commandEntry(u"&Stop"_s, u"stop"_s, 8));
        QCOMPARE(commandsOf(model), (QStringList{u"Action6"_s, u"stop"_s, u"Vpred"_s}));
        QCOMPARE(added.takeFirst().at(0).toInt(), 1);
        model.insertEntry(0, commandEntry(u"Aktualizace"_s, u"Aktualizace"_s, 0));
        QCOMPARE(added.takeFirst().at(0).toInt(), 0);
        // Past either end the entry goes to that end.
        model.insertEntry(99, commandEntry(u"Výjmout"_s, u"EditCut1"_s, 2));
        QCOMPARE(added.takeFirst().at(0).toInt(), 4);
        model.insertEntry(-3, commandEntry(u"&Vložit"_s, u"EditPaste1"_s, 5));
        QCOMPARE(added.takeFirst().at(0).toInt(), 0);
        QCOMPARE(commandsOf(model), (QStringList{u"EditPaste1"_s, u"Aktualizace"_s, u"Action6"_s,
                                                 u"stop"_s, u"Vpred"_s, u"EditCut1"_s}));

        model.setShown(2, false);
        model.moveEntry(2, 4);
        QCOMPARE(commandsOf(model), (QStringList{u"EditPaste1"_s, u"Aktualizace"_s, u"stop"_s,
                                                 u"Vpred"_s, u"Action6"_s, u"EditCut1"_s}));
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved.at(0).at(0).toInt(), 2);
        QCOMPARE(moved.at(0).at(1).toInt(), 4);
        // The entry keeps its state when it moves.
        QVERIFY(!model.entries().at(4).shown);
        model.moveEntry(5, 0);
        QCOMPARE(commandsOf(model).first(), u"EditCut1"_s);
        QCOMPARE(commandsOf(model).last(), u"Action6"_s);
        // Onto itself or from nowhere: nothing happens.
        model.moveEntry(3, 3);
        model.moveEntry(6, 0);
        QCOMPARE(moved.size(), 2);
        // A target past the end is the last place.
        model.moveEntry(0, 40);
        QCOMPARE(commandsOf(model).last(), u"EditCut1"_s);
    }

    void onlyAnEntryWithoutPictureShowsItsCaption()
    {
        QuickAccessToolbarModel model(definition);
        model.addEntry(commandEntry(u"Offline"_s, u"Action2"_s, -1));
        model.insertEntry(0, commandEntry(u"Aktualizace"_s, u"Aktualizace"_s, 0));
        QVERIFY(model.entries().constLast().entry.showCaption);
        QVERIFY(!model.entries().constFirst().entry.showCaption);
    }

    void groupAddedAsAWhole()
    {
        QuickAccessToolbarModel model(definition);
        QSignalSpy added(&model, &QuickAccessToolbarModel::entryAdded);
        GroupDefinition system;
        system.name = u"RibbonGroup3"_s;
        system.caption = u"Systém"_s;
        system.entries = {commandEntry(u"&Aktualizace", u"Action5", 0)};
        model.addGroup(system);
        QCOMPARE(added.size(), 1);
        QCOMPARE(model.addedGroups(), QStringList{u"RibbonGroup3"_s});
        const QuickAccessEntry &item = model.entries().constLast();
        QCOMPARE(item.entry.caption, u"Systém"_s);
        QVERIFY(item.entry.command.isEmpty());
        QCOMPARE(item.tag, 100);
        QVERIFY(item.isGroup());
        QCOMPARE(item.groupDefinition.entries.size(), 1);
        QVERIFY(model.hasGroup(u"RibbonGroup3"_s));
        // Once added, the group stays a single entry.
        QCOMPARE(model.addGroup(system), 2);
        QCOMPARE(added.size(), 1);
        QCOMPARE(model.entries().size(), 3);
        // A group entry is not an entry for one of the group's commands.
        QCOMPARE(model.indexOfCommand(u"Action5"_s), -1);
        model.removeEntry(2);
        QCOMPARE(model.addedGroups(), QStringList());
        QVERIFY(!model.hasGroup(u"RibbonGroup3"_s));
    }

    void positionAboveOrBelow()
    {
        QuickAccessToolbarModel model(definition);
        QSignalSpy moved(&model, &QuickAccessToolbarModel::positionChanged);
        model.setPosition(QuickAccessPosition::BelowRibbon);
        QCOMPARE(model.position(), QuickAccessPosition::BelowRibbon);
        model.setPosition(QuickAccessPosition::BelowRibbon);
        QCOMPARE(moved.size(), 1);
        model.setPosition(QuickAccessPosition::AboveRibbon);
        QCOMPARE(moved.size(), 2);
        QCOMPARE(moved.at(1).at(0).value<QuickAccessPosition>(), QuickAccessPosition::AboveRibbon);
    }
};

QTEST_APPLESS_MAIN(TestQuickAccessToolbarModel)
#include "tst_quickaccesstoolbarmodel.moc"
