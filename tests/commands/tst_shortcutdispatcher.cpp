#include "actionmanager.h"
#include "errorrecorder.h"
#include "shortcutdispatcher.h"
#include "testmain.h"

#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <QLineEdit>
#include <QVBoxLayout>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

// A focusable control that records the keys it receives.
class KeyRecorder : public QWidget
{
public:
    QList<QKeyCombination> keys;
    KeyRecorder() { setFocusPolicy(Qt::StrongFocus); }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Control) // QTest presses the modifier key first
            keys << event->keyCombination();
    }
};

// Which command a key reaches, and whether the key still goes on to the control.
class TestShortcutDispatcher : public QObject
{
    Q_OBJECT

    struct Window
    {
        QWidget window;
        KeyRecorder *recorder = new KeyRecorder;
        QLineEdit *editor = new QLineEdit(u"text"_s);
        ActionManager list1{u"ActionManager1"_s, ImageListId::ImageList1, u"Ribbon - Silver"_s};
        ActionManager list2{u"ActionManager2"_s, ImageListId::ImageList2, u"Platform Default"_s};
        ShortcutDispatcher dispatcher{window};
        Command *paste = nullptr;
        Command *print = nullptr;
        Command *copy = nullptr;
        int prints = 0;

        Window()
        {
            auto *layout = new QVBoxLayout(&window);
            layout->addWidget(recorder);
            layout->addWidget(editor);
            dispatcher.addList(list1);
            dispatcher.addList(list2);
            paste = list1.addCommand(u"EditPaste1"_s, CommandKind::TEditPaste,
                                     {{}, {}, {}, 5, QKeySequence(Qt::CTRL | Qt::Key_V)});
            print = list2.addCommand(u"PrintDlg1"_s, CommandKind::TPrintDlg,
                                     {{}, {}, {}, 13, QKeySequence(Qt::CTRL | Qt::Key_P)});
            copy = list2.addCommand(u"EditCopy1"_s, CommandKind::TEditCopy,
                                    {{}, {}, {}, 1, QKeySequence(Qt::CTRL | Qt::Key_C)});
            print->setStandardBehaviour([this] { ++prints; });
            window.show();
            QApplication::setActiveWindow(&window);
        }
        void focus(QWidget *widget)
        {
            widget->setFocus();
            QTRY_VERIFY(widget->hasFocus());
        }
    };

private Q_SLOTS:
    void commandTakesItsKey()
    {
        Window w;
        w.focus(w.recorder);
        QTest::keyClick(w.recorder, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(w.prints, 1);
        QVERIFY(w.recorder->keys.isEmpty());
    }

    void aTakenKeyBelongsToItsOwnPressOnly()
    {
        // The command opens a modal dialog, and the same keys are typed inside it:
        // that press is the dialog's own and reaches it as an ordinary key.
        Window w;
        w.focus(w.recorder);
        QList<QKeyCombination> typedInDialog;
        w.print->setStandardBehaviour([&] {
            ++w.prints;
            QDialog dialog(&w.window);
            auto *inDialog = new KeyRecorder;
            (new QVBoxLayout(&dialog))->addWidget(inDialog);
            QTimer::singleShot(0, &dialog, [&] {
                inDialog->setFocus();
                QTest::keyClick(inDialog, Qt::Key_P, Qt::ControlModifier);
                typedInDialog = inDialog->keys;
                dialog.accept();
            });
            dialog.exec();
        });
        QTest::keyClick(w.recorder, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(w.prints, 1);
        QCOMPARE(typedInDialog, (QList<QKeyCombination>{Qt::CTRL | Qt::Key_P}));
        QVERIFY(w.recorder->keys.isEmpty());
        // Back in the window the keys run the command again, and nothing is left over.
        QTest::keyClick(w.recorder, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(w.prints, 2);
        QVERIFY(w.recorder->keys.isEmpty());
    }

    void aFailingCommandStillTakesItsKeyAndIsReported()
    {
        ErrorRecorder errors;
        Window w;
        w.focus(w.recorder);
        w.print->setStandardBehaviour([] { throw std::runtime_error("no printer"); });
        QTest::keyClick(w.recorder, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(errors.messages, QStringList{u"no printer"_s});
        QVERIFY(w.recorder->keys.isEmpty());
        // The next key is handled normally.
        QTest::keyClick(w.recorder, Qt::Key_A);
        QCOMPARE(w.recorder->keys, (QList<QKeyCombination>{QKeyCombination(Qt::Key_A)}));
    }

    void disabledCommandPassesTheKeyOnFromItsFirstPress()
    {
        Window w;
        w.focus(w.recorder);
        QVERIFY(w.paste->isEnabled());
        QTest::keyClick(w.recorder, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!w.paste->isEnabled());
        QCOMPARE(w.recorder->keys, (QList<QKeyCombination>{Qt::CTRL | Qt::Key_V}));
        QTest::keyClick(w.recorder, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.recorder->keys.size(), 2);
        // An unbound key is not touched at all.
        QTest::keyClick(w.recorder, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(w.recorder->keys.size(), 3);
    }

    void focusedControlThatClaimsAKeyComesFirst()
    {
        Window w;
        w.focus(w.editor);
        w.editor->selectAll();
        // The editor claims Ctrl+C for itself: the copy command never sees it.
        QTest::keyClick(w.editor, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(w.copy->isEnabled()); // never evaluated
        // Ctrl+P it does not claim.
        QTest::keyClick(w.editor, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(w.prints, 1);
    }

    void noCommandWhileAltGrIsHeld()
    {
        Window w;
        w.focus(w.recorder);
        QKeyEvent altGrDown(QEvent::KeyPress, Qt::Key_AltGr, Qt::GroupSwitchModifier);
        QApplication::sendEvent(w.recorder, &altGrDown);
        QVERIFY(w.dispatcher.isAltGrHeld());
        QTest::keyClick(w.recorder, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(w.prints, 0);
        QKeyEvent altGrUp(QEvent::KeyRelease, Qt::Key_AltGr, Qt::NoModifier);
        QApplication::sendEvent(w.recorder, &altGrUp);
        QTest::keyClick(w.recorder, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(w.prints, 1);
    }

    void listsAreAskedInCreationOrder()
    {
        Window w;
        int first = 0;
        Command *early = w.list1.addCommand(u"early"_s, CommandKind::TAction,
                                            {{}, {}, {}, -1, QKeySequence(Qt::CTRL | Qt::Key_P)});
        early->setOnExecute([&] { ++first; });
        QVERIFY(w.dispatcher.dispatch(Qt::CTRL | Qt::Key_P));
        QCOMPARE(first, 1);
        QCOMPARE(w.prints, 0);
    }
};

TAGOVNIK_TEST_MAIN(TestShortcutDispatcher)
#include "tst_shortcutdispatcher.moc"
