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
        // A group entry is not an entry for one of the group's commands.
        QCOMPARE(model.indexOfCommand(u"Action5"_s), -1);
        model.removeEntry(2);
        QCOMPARE(model.addedGroups(), QStringList());
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
