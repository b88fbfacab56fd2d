#include "actionmanager.h"
#include "findbar.h"
#include "loopbackhttpserver.h"
#include "panenotice.h"
#include "panetesting.h"
#include "shortcutdispatcher.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using PaneTesting::waitForLoad;

// Find in page and zoom against the real engine, with the keys going through
// the window's shortcut dispatch as in the program.
class TestPaneFind : public QObject
{
    Q_OBJECT

    // A window with a field outside the pane and the two find commands, which
    // stay inert as in the program's window.
    struct Window
    {
        QWidget window;
        QLineEdit *outside = new QLineEdit(&window);
        WebBrowser *pane = new WebBrowser(&window);
        ActionManager list{u"ActionManager2"_s, ImageListId::ImageList2, u"Platform Default"_s};
        ShortcutDispatcher dispatcher{window};
        Command *find = list.addCommand(u"SearchFind1"_s, CommandKind::TSearchFind,
                                        {{}, {}, {}, 12, QKeySequence(Qt::CTRL | Qt::Key_F)});
        Command *findNext = list.addCommand(u"SearchFindNext1"_s, CommandKind::TSearchFindNext,
                                            {{}, {}, {}, 12, QKeySequence(Qt::Key_F3)});

        Window()
        {
            auto *layout = new QHBoxLayout(&window);
            layout->addWidget(outside);
            layout->addWidget(pane, 1);
            dispatcher.addList(list);
            dispatcher.setFocusedControlClaim(
                [this](const QKeyEvent &key) { return pane->claimsKey(key); });
            window.resize(900, 600);
        }

        bool show()
        {
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return false;
            QApplication::setActiveWindow(&window);
            return QTest::qWaitFor([&] { return window.isActiveWindow(); }) &&
                   QTest::qWaitFor([&] { return pane->view()->focusProxy() != nullptr; });
        }

        QWidget *engine() const { return pane->view()->focusProxy(); }
    };

    static bool focus(QWidget *widget)
    {
        widget->setFocus();
        return QTest::qWaitFor([&] { return widget->hasFocus(); });
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.setPage(u"/tags"_s,
                         PaneTesting::page("tags", "<p>tag one</p><p>tag two</p><p>tag three</p>"));
        m_server.setPage(u"/other"_s, PaneTesting::page("other"));
    }

    void findCountsTheMatchesAndWrapsBothWays()
    {
        Window w;
        QVERIFY(w.show());
        QVERIFY(waitForLoad(*w.pane, [&] { w.pane->navigate(m_server.url(u"/tags"_s)); }));
        QVERIFY(focus(w.engine()));

        QTest::keyClick(w.engine(), Qt::Key_F, Qt::ControlModifier);
        FindBar *bar = w.pane->findBar();
        QTRY_VERIFY(bar->isVisible());
        QTRY_VERIFY(bar->textField()->hasFocus());
        QVERIFY(bar->textField()->isClearButtonEnabled()); // set up on the first opening

        QTest::keyClicks(bar->textField(), u"tag"_s);
        QTRY_COMPARE(bar->status(), u"1 z 3"_s);
        QTest::keyClick(bar->textField(), Qt::Key_Return);
        QTRY_COMPARE(bar->status(), u"2 z 3"_s);
        QTest::keyClick(bar->textField(), Qt::Key_F3);
        QTRY_COMPARE(bar->status(), u"3 z 3"_s);
        QTest::keyClick(bar->textField(), Qt::Key_Return);
        QTRY_COMPARE(bar->status(), u"1 z 3"_s); // wraps to the first
        QTest::keyClick(bar->textField(), Qt::Key_Return, Qt::ShiftModifier);
        QTRY_COMPARE(bar->status(), u"3 z 3"_s); // and back to the last
        QTest::keyClick(bar->textField(), Qt::Key_F3, Qt::ShiftModifier);
        QTRY_COMPARE(bar->status(), u"2 z 3"_s);

        QTest::keyClicks(bar->textField(), u"xyz"_s);
        QTRY_COMPARE(bar->status(), u"Nenalezeno"_s);
        bar->textField()->clear();
        QTRY_COMPARE(bar->status(), QString());

        // Esc closes the bar, clears the highlight and gives the page the focus.
        QTest::keyClicks(bar->textField(), u"two"_s);
        QTRY_COMPARE(bar->status(), u"1 z 1"_s);
        QTest::keyClick(bar->textField(), Qt::Key_Escape);
        QTRY_VERIFY(!bar->isVisible());
        QTRY_VERIFY(w.engine()->hasFocus());
        QCOMPARE(PaneTesting::evaluate(*w.pane, u"window.getSelection().toString()"_s).toString(),
                 QString());

        // F3 in the page opens the bar again with the last text.
        QTest::keyClick(w.engine(), Qt::Key_F3);
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(bar->text(), u"two"_s);
        QTRY_COMPARE(bar->status(), u"1 z 1"_s);
        QVERIFY(w.find->isEnabled());     // the commands never saw a key
        QVERIFY(w.findNext->isEnabled());
    }

    void findKeysReachTheCommandsWhenTheFocusIsOutsideThePane()
    {
        Window w;
        QVERIFY(w.show());
        QVERIFY(waitForLoad(*w.pane, [&] { w.pane->navigate(m_server.url(u"/tags"_s)); }));
        QVERIFY(focus(w.outside));
        QTest::keyClick(w.outside, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(w.outside, Qt::Key_F3);
        QTest::keyClick(w.outside, Qt::Key_Plus, Qt::ControlModifier);
        QTest::qWait(200);
        QVERIFY(!w.pane->findBar()->isVisible());
        QVERIFY(!w.find->isEnabled()); // evaluated by the key, and inert
        QVERIFY(!w.findNext->isEnabled());
        QCOMPARE(w.pane->zoom(), 1.0);
        QVERIFY(!w.pane->claimsKey(QKeyEvent(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier)));

        QVERIFY(focus(w.engine()));
        QVERIFY(w.pane->claimsKey(QKeyEvent(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier)));
        QVERIFY(!w.pane->claimsKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier)));
        QVERIFY(!w.pane->claimsKey(QKeyEvent(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier)));
    }

    void zoomStepsByKeysAndWheelWithinItsLimitsAndHoldsAcrossPages()
    {
        Window w;
        QVERIFY(w.show());
        QVERIFY(waitForLoad(*w.pane, [&] { w.pane->navigate(m_server.url(u"/tags"_s)); }));
        QVERIFY(focus(w.engine()));
        QWebEngineView *view = w.pane->view();

        QTest::keyClick(w.engine(), Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 1.1);
        QVERIFY(w.pane->zoomNotice()->isVisible());
        QCOMPARE(w.pane->zoomNotice()->text(), u"Zvětšení: 110 %"_s);
        QTest::keyClick(w.engine(), Qt::Key_Equal, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 1.25);
        QTest::keyClick(w.engine(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QTRY_COMPARE(view->zoomFactor(), 1.5);
        QTest::keyClick(w.engine(), Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 1.25);
        QTest::keyClick(w.engine(), Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 1.0);
        QCOMPARE(w.pane->zoomNotice()->text(), u"Zvětšení: 100 %"_s);

        const auto wheel = [&](int delta) {
            const QPointF at(100, 100);
            QWheelEvent event(at, w.engine()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.engine(), &event);
        };
        wheel(120);
        QTRY_COMPARE(view->zoomFactor(), 1.1);
        wheel(-120);
        wheel(-120);
        QTRY_COMPARE(view->zoomFactor(), 0.9);

        for (int step = 0; step < 25; ++step)
            QTest::keyClick(w.engine(), Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 5.0);
        QCOMPARE(w.pane->zoomNotice()->text(), u"Zvětšení: 500 %"_s);
        for (int step = 0; step < 25; ++step)
            QTest::keyClick(w.engine(), Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 0.25);

        // The level stays for the next pages; the note goes away by itself.
        QTest::keyClick(w.engine(), Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(view->zoomFactor(), 1.0 / 3);
        QVERIFY(waitForLoad(*w.pane, [&] { w.pane->navigate(m_server.url(u"/other"_s)); }));
        QTRY_COMPARE(view->zoomFactor(), 1.0 / 3);
        QTRY_VERIFY_WITH_TIMEOUT(!w.pane->zoomNotice()->isVisible(), 5000);
    }

private:
    LoopbackHttpServer m_server;
};

TAGOVNIK_TEST_MAIN(TestPaneFind)
#include "tst_panefind.moc"
