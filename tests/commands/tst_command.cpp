#include "actionmanager.h"
#include "testmain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

// Execution and evaluation of commands, by kind, and suspension of a list.
class TestCommand : public QObject
{
    Q_OBJECT

    ActionManager list{u"ActionManager1"_s, ImageListId::ImageList1, u"Ribbon - Silver"_s};

    Command *add(CommandKind kind, const QString &name = u"c"_s)
    {
        return list.addCommand(name, kind, {{}, name, {}, -1, {}});
    }

private Q_SLOTS:
    void plainCommandRunsItsHandlerAndStaysEnabled()
    {
        Command *command = add(CommandKind::TAction);
        int runs = 0;
        command->setOnExecute([&] { ++runs; });
        QVERIFY(command->execute());
        command->evaluate();
        QVERIFY(command->isEnabled());
        QCOMPARE(runs, 1);

        // A plain command without a handler disables itself at its first evaluation.
        Command *orphan = add(CommandKind::TAction);
        QVERIFY(!orphan->execute());
        QVERIFY(!orphan->isEnabled());
    }

    void inertStandardCommandsTurnDisabledAtFirstTrigger_data()
    {
        QTest::addColumn<CommandKind>("kind");
        QTest::newRow("cut") << CommandKind::TEditCut;
        QTest::newRow("copy") << CommandKind::TEditCopy;
        QTest::newRow("paste") << CommandKind::TEditPaste;
        QTest::newRow("find") << CommandKind::TSearchFind;
        QTest::newRow("find next") << CommandKind::TSearchFindNext;
    }
    void inertStandardCommandsTurnDisabledAtFirstTrigger()
    {
        QFETCH(CommandKind, kind);
        QWidget window; // no text-editing control anywhere
        window.show();
        Command *command = add(kind);
        QVERIFY(command->isEnabled()); // enabled until first evaluated
        QVERIFY(!command->execute());
        QVERIFY(!command->isEnabled());
        QVERIFY(!command->execute()); // and it stays so
        QVERIFY(!command->isEnabled());
    }

    void clipboardCommandsWorkOnAFocusedTextEditor()
    {
        QLineEdit editor(u"Tagovnik"_s);
        editor.show();
        editor.activateWindow();
        QApplication::setActiveWindow(&editor);
        editor.setFocus();
        QTRY_VERIFY(editor.hasFocus());
        editor.selectAll();

        Command *copy = add(CommandKind::TEditCopy, u"copy"_s);
        QVERIFY(copy->execute());
        QCOMPARE(QApplication::clipboard()->text(), u"Tagovnik"_s);
        editor.deselect();
        copy->evaluate();
        QVERIFY(!copy->isEnabled()); // nothing selected any more
    }

    void printCommandIsAlwaysEnabledAndRunsItsDialog()
    {
        Command *print = add(CommandKind::TPrintDlg, u"PrintDlg1"_s);
        int dialogs = 0;
        print->setStandardBehaviour([&] { ++dialogs; });
        for (int i = 0; i < 2; ++i) {
            print->evaluate();
            QVERIFY(print->isEnabled());
            QVERIFY(print->execute());
        }
        QCOMPARE(dialogs, 2);
    }

    void autoCheckFlipsBeforeTheHandlerRuns()
    {
        Command *offline = list.addCommand(u"Action2"_s, CommandKind::TAction,
                                           {{}, u"Offline"_s, {}, -1, {}}, true);
        QList<bool> seen;
        offline->setOnExecute([&] { seen << offline->isChecked(); });
        offline->execute();
        offline->execute();
        QCOMPARE(seen, (QList<bool>{true, false}));
    }

    void suspendedListDoesNothingAndRestoresOnResume()
    {
        ActionManager customised(u"ActionManager1"_s, ImageListId::ImageList1,
                                 u"Ribbon - Silver"_s);
        ActionManager other(u"ActionManager3"_s, ImageListId::ImageList3, u"Platform Default"_s);
        Command *back = customised.addCommand(u"Action6"_s, CommandKind::TAction, {});
        Command *paste = customised.addCommand(u"EditPaste1"_s, CommandKind::TEditPaste, {});
        Command *home = other.addCommand(u"domu"_s, CommandKind::TAction, {});
        int backRuns = 0, homeRuns = 0;
        back->setOnExecute([&] { ++backRuns; });
        home->setOnExecute([&] { ++homeRuns; });
        paste->evaluate();
        QVERIFY(!paste->isEnabled());

        customised.setState(ActionManager::State::Suspended);
        QVERIFY(paste->isEnabled()); // every command enabled while customising
        paste->evaluate();
        QVERIFY(paste->isEnabled()); // evaluation cannot disable it now
        QVERIFY(!back->execute());
        QCOMPARE(backRuns, 0);
        QVERIFY(home->execute()); // other lists are untouched
        QCOMPARE(homeRuns, 1);

        customised.setState(ActionManager::State::Normal);
        QVERIFY(!paste->isEnabled());
        QVERIFY(back->execute());
        QCOMPARE(backRuns, 1);
    }

    void enabledChangesAreAnnouncedOnce()
    {
        Command *cut = add(CommandKind::TEditCut);
        int changes = 0;
        connect(cut, &Command::changed, this, [&] { ++changes; });
        cut->evaluate();
        cut->evaluate();
        QCOMPARE(changes, 1);
    }
};

TAGOVNIK_TEST_MAIN(TestCommand)
#include "tst_command.moc"
