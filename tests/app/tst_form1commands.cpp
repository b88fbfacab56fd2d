#include "Unit1.h"
#include "actionmanager.h"
#include "application.h"
#include "idleevaluator.h"
#include "pageaddresses.h"
#include "printdialog.h"
#include "recordingform.h"
#include "testmain.h"
#include "findbar.h"
#include "webbrowser.h"

#include <QPrintDialog>
#include <QTimer>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using PageAddresses::RemotePage;

class TestForm1Commands : public QObject
{
    Q_OBJECT

    static Command *find(const TForm1 &form, const QString &name)
    {
        for (ActionManager *list :
             {form.ActionManager1, form.ActionManager2, form.ActionManager3}) {
            if (Command *command = list->command(name))
                return command;
        }
        return nullptr;
    }

private Q_SLOTS:
    void commandTableHoldsEveryCommandInOrder()
    {
        struct Row
        {
            const char16_t *name, *kind, *category, *caption, *hint;
            int image;
            const char16_t *shortcut;
        };
        // clang-format off
        const QList<QList<Row>> expected = {
            {{u"Action6", u"TAction", u"", u"Zpět", u"O krok zpět", 9, u""},
             {u"akzualizovat", u"TAction", u"", u"Aktualizovat", u"Aktualizovat stránku", 7, u""},
             {u"Vpred", u"TAction", u"", u"Vpřed", u"O krok vpřed", 6, u""},
             {u"stop", u"TAction", u"", u"Stop", u"Zastavit akci", 8, u""},
             {u"web1", u"TAction", u"", u"Tagovnik", u"Zobrazit program Tagovnik 2.1", 10, u""},
             {u"web2", u"TAction", u"", u"Tagovnik on-line", u"Tagovnik na internetu", 10, u""},
             {u"web3", u"TAction", u"", u"Orvalis", u"Stránky Orvalis", 10, u""},
             {u"web4", u"TAction", u"", u"Velmora", u"Projekt Velmora", 10, u""},
             {u"web5", u"TAction", u"", u"Zákaznická podpora", u"Přejít na zákaznickou podporu", 10, u""},
             {u"web6", u"TAction", u"", u"Tipy a triky", u"Tipy a triky s programem nebo jak programovat stránky", 10, u""},
             {u"EditPaste1", u"TEditPaste", u"Edit", u"&Vložit", u"Vložit", 5, u"Ctrl+V"},
             {u"EditCut1", u"TEditCut", u"Edit", u"Výjmout", u"Výjmout", 2, u"Ctrl+X"},
             {u"Action2", u"TAction", u"", u"Offline", u"", -1, u""},
             {u"Aktualizace", u"TAction", u"", u"Aktualizace", u"Aktualizovat program", 0, u""}},
            {{u"PrintDlg1", u"TPrintDlg", u"Dialog", u"&Tisk", u"Tisknout stránku", 13, u"Ctrl+P"},
             {u"Action1", u"TAction", u"Dialog", u"Poslat příteli", u"Doporučit program prátelům", 12, u""},
             {u"SearchFind1", u"TSearchFind", u"Search", u"Najít", u"Najít na stránce", 3, u"Ctrl+F"},
             {u"SearchFindNext1", u"TSearchFindNext", u"Search", u"Najít další", u"Najít další", 14, u"F3"},
             {u"Action3", u"TAction", u"", u"Nápověda", u"Nápověda k programu", 4, u""},
             {u"Action4", u"TAction", u"", u"O programu", u"O tomto programu", 10, u""},
             {u"Action7", u"TAction", u"", u"Konec", u"", -1, u""}},
            {{u"domu", u"TAction", u"", u"Domů", u"Přejít zpět na program Tagovnik", 11, u""},
             {u"EditCopy1", u"TEditCopy", u"Edit", u"&Kopírovat", u"Kopírovat", 1, u"Ctrl+C"},
             {u"Action5", u"TAction", u"", u"Aktualizace", u"Aktualizovat program", 0, u""}},
        };
        // clang-format on
        static const QHash<CommandKind, QString> kindNames = {
            {CommandKind::TAction, u"TAction"_s},
            {CommandKind::TEditCut, u"TEditCut"_s},
            {CommandKind::TEditCopy, u"TEditCopy"_s},
            {CommandKind::TEditPaste, u"TEditPaste"_s},
            {CommandKind::TSearchFind, u"TSearchFind"_s},
            {CommandKind::TSearchFindNext, u"TSearchFindNext"_s},
            {CommandKind::TPrintDlg, u"TPrintDlg"_s}};

        TForm1 form;
        const QList<ActionManager *> lists = {form.ActionManager1, form.ActionManager2,
                                              form.ActionManager3};
        const QStringList styles = {u"Ribbon - Silver"_s, u"Platform Default"_s,
                                    u"Platform Default"_s};
        for (qsizetype l = 0; l < lists.size(); ++l) {
            QCOMPARE(lists[l]->name(), u"ActionManager%1"_s.arg(l + 1));
            QCOMPARE(lists[l]->images(), ImageListId(l));
            QCOMPARE(lists[l]->styleName(), styles[l]);
            QCOMPARE(lists[l]->commands().size(), expected[l].size());
            for (qsizetype i = 0; i < expected[l].size(); ++i) {
                const Row &row = expected[l][i];
                const Command *command = lists[l]->commands().at(i);
                QCOMPARE(command->name(), QString::fromUtf16(row.name));
                QCOMPARE(kindNames.value(command->kind()), QString::fromUtf16(row.kind));
                QCOMPARE(command->category(), QString::fromUtf16(row.category));
                QCOMPARE(command->caption(), QString::fromUtf16(row.caption));
                QCOMPARE(command->hint(), QString::fromUtf16(row.hint));
                QCOMPARE(command->imageIndex(), row.image);
                QCOMPARE(command->shortcut().toString(), QString::fromUtf16(row.shortcut));
                QCOMPARE(command->autoCheck(), command->name() == u"Action2"_s);
                QVERIFY(command->isEnabled());
                QVERIFY(!command->isChecked());
                QCOMPARE(command->hasOnExecute(), command->kind() == CommandKind::TAction);
            }
        }
    }

    void handlersAskThePaneForOneThing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("call");
        const QString home = u"navigate "_s + PageAddresses::homePage();
        const QString recommend = u"navigate "_s + PageAddresses::recommendPage();
        auto remote = [](RemotePage page) -> QString {
            return u"navigate "_s + PageAddresses::remotePage(page);
        };
        QTest::newRow("Action6") << u"Action6"_s << u"goBack"_s;
        QTest::newRow("akzualizovat") << u"akzualizovat"_s << u"refresh"_s;
        QTest::newRow("Vpred") << u"Vpred"_s << u"goForward"_s;
        QTest::newRow("stop") << u"stop"_s << u"stop"_s;
        QTest::newRow("web1") << u"web1"_s << home;
        QTest::newRow("web2") << u"web2"_s << remote(RemotePage::OnlineEdition);
        QTest::newRow("web3") << u"web3"_s << remote(RemotePage::MakerSite);
        QTest::newRow("web4") << u"web4"_s << remote(RemotePage::CssProject);
        QTest::newRow("web5") << u"web5"_s << remote(RemotePage::Support);
        QTest::newRow("web6") << u"web6"_s << remote(RemotePage::Tips);
        QTest::newRow("Aktualizace") << u"Aktualizace"_s << remote(RemotePage::NationalUpdate);
        QTest::newRow("Action1") << u"Action1"_s << recommend;
        QTest::newRow("Action3") << u"Action3"_s << remote(RemotePage::Help);
        QTest::newRow("Action4") << u"Action4"_s << remote(RemotePage::About);
        QTest::newRow("domu") << u"domu"_s << home;
        QTest::newRow("Action5") << u"Action5"_s << remote(RemotePage::Update);
    }
    void handlersAskThePaneForOneThing()
    {
        QFETCH(QString, command);
        QFETCH(QString, call);
        RecordingForm form;
        QVERIFY(find(form, command)->execute());
        QCOMPARE(form.pane.calls, QStringList{call});
    }

    void helpButtonOpensTheHelpPage()
    {
        RecordingForm form;
        form.Ribbon1HelpButtonClick();
        const QString help = u"navigate "_s + PageAddresses::remotePage(RemotePage::Help);
        QCOMPARE(form.pane.calls, QStringList{help});
    }

    void homeCommandsResolveTheHomePageEachTime()
    {
        RecordingForm form;
        find(form, u"web1"_s)->execute();
        find(form, u"domu"_s)->execute();
        const QString home =
            u"navigate "_s + QCoreApplication::applicationDirPath() + u"/index.html"_s;
        QCOMPARE(form.pane.calls, (QStringList{home, home}));
    }

    void offlineFollowsTheCheckMark()
    {
        RecordingForm form;
        Command *offline = find(form, u"Action2"_s);
        offline->execute();
        QVERIFY(offline->isChecked());
        offline->execute();
        QVERIFY(!offline->isChecked());
        QCOMPARE(form.pane.calls, (QStringList{u"setOffline true"_s, u"setOffline false"_s}));
    }

    void konecClosesTheWindow()
    {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(find(form, u"Action7"_s)->execute());
        QVERIFY(!form.isVisible());
    }

    void whileCustomisingOnlyTheFirstListIsSuspended()
    {
        RecordingForm form;
        form.ActionManager1->setState(ActionManager::State::Suspended);
        QVERIFY(!find(form, u"Action6"_s)->execute());
        QVERIFY(find(form, u"domu"_s)->execute());
        QVERIFY(find(form, u"Action5"_s)->execute());
        form.ActionManager1->setState(ActionManager::State::Normal);
        QVERIFY(find(form, u"Action6"_s)->execute());
        QCOMPARE(form.pane.calls.size(), 3);
        QCOMPARE(form.pane.calls.last(), u"goBack"_s);
    }

    void idleMomentsEvaluateTheVisibleCommands()
    {
        TForm1 form;
        Command *cut = find(form, u"EditCut1"_s);
        form.idleEvaluator().addSource([cut] { return QList<Command *>{cut}; });
        QVERIFY(cut->isEnabled());
        // Let the loop run dry once: waiting for more events is an idle moment.
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(!cut->isEnabled());
    }

    void ctrlPOpensThePrintDialogAndPrintsOnlyWhenConfirmed_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void ctrlPOpensThePrintDialogAndPrintsOnlyWhenConfirmed()
    {
        QFETCH(bool, confirm);
        RecordingForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QApplication::setActiveWindow(&form);
        QTRY_VERIFY(form.isActiveWindow());

        QPrintDialog *seen = nullptr;
        int options = 0;
        QAbstractPrintDialog::PrintRange range = QAbstractPrintDialog::Selection;
        QWidget *owner = nullptr;
        QTimer::singleShot(100, &form, [&] {
            seen = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!seen)
                return;
            options = int(seen->options());
            range = seen->printRange();
            owner = seen->parentWidget();
            confirm ? seen->accept() : seen->reject();
        });
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(seen);
        QCOMPARE(owner, &form);
        QCOMPARE(options, int(QAbstractPrintDialog::PrintCollateCopies));
        QCOMPARE(range, QAbstractPrintDialog::AllPages);
        QCOMPARE(form.pane.calls, confirm ? QStringList{u"printPage"_s} : QStringList());
    }

    void keysTheWebEngineTakesNeverReachTheCommands()
    {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QApplication::setActiveWindow(&form);
        QTRY_VERIFY(form.isActiveWindow());
        // The engine's own widget appears once the page's view exists.
        QTRY_VERIFY(form.WebBrowser1->view()->focusProxy());
        QWidget *engine = form.WebBrowser1->view()->focusProxy();
        engine->setFocus();
        QTRY_VERIFY(engine->hasFocus());

        QTest::keyClick(engine, Qt::Key_C, Qt::ControlModifier); // copies the page's selection
        QVERIFY(find(form, u"EditCopy1"_s)->isEnabled());        // the command never saw it
        QTest::keyClick(engine, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(find(form, u"EditCut1"_s)->isEnabled());
        QTest::keyClick(engine, Qt::Key_F3); // the pane's own: opens its find bar
        QVERIFY(find(form, u"SearchFindNext1"_s)->isEnabled());
        QTRY_VERIFY(form.WebBrowser1->findBar()->isVisible());
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestForm1Commands)
#include "tst_form1commands.moc"
