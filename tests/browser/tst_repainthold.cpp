#include "repainthold.h"

#include <QTest>
#include <QTimerEvent>
#include <QWidget>

using namespace Tagovnik;

namespace {

class CountingWidget : public QWidget
{
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

struct ShownWindow
{
    ShownWindow()
    {
        window.resize(200, 100);
        window.show();
    }
    bool settle()
    {
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QTest::qWait(50);
        return true;
    }
    CountingWidget window;
};

} // namespace

class TestRepaintHold : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What was asked for during the hold is painted once it ends, in whichever way it ends.
    void heldRepaintsComeAfterTheHold()
    {
        ShownWindow shown;
        QVERIFY(shown.settle());
        QObject engineView;
        RepaintHold hold;

        // Released by hand.
        hold.hold(&shown.window, &engineView, 5000);
        QVERIFY(hold.isHolding());
        int before = shown.window.paints;
        shown.window.update();
        QTest::qWait(100);
        QCOMPARE(shown.window.paints, before);
        hold.release();
        QVERIFY(!hold.isHolding());
        QTRY_COMPARE(shown.window.paints, before + 1);

        // Released by the limit.
        hold.hold(&shown.window, nullptr, 80);
        before = shown.window.paints;
        shown.window.update();
        QTest::qWait(30);
        QCOMPARE(shown.window.paints, before);
        QTRY_VERIFY(!hold.isHolding());
        QTRY_COMPARE(shown.window.paints, before + 1);

        // Released as the engine's view starts a frame of its own.
        hold.hold(&shown.window, &engineView, 5000);
        before = shown.window.paints;
        shown.window.update();
        QTest::qWait(50);
        QCOMPARE(shown.window.paints, before);
        QTimerEvent frameTimer(1);
        QCoreApplication::sendEvent(&engineView, &frameTimer);
        QVERIFY(!hold.isHolding());
        QTRY_COMPARE(shown.window.paints, before + 1);

        // The window stays free afterwards.
        before = shown.window.paints;
        shown.window.update();
        QTRY_COMPARE(shown.window.paints, before + 1);
    }

    // A window off screen, or a hold with nothing asked for, leaves painting alone.
    void nothingIsHeldOrPaintedNeedlessly()
    {
        CountingWidget hidden;
        RepaintHold hold;
        hold.hold(&hidden, nullptr, 5000);
        QVERIFY(!hold.isHolding());

        ShownWindow shown;
        QVERIFY(shown.settle());
        const int before = shown.window.paints;
        hold.hold(&shown.window, nullptr, 5000);
        hold.release();
        QTest::qWait(100);
        QCOMPARE(shown.window.paints, before);
    }

    // A window that goes away during the hold is no problem.
    void theWindowMayCloseDuringTheHold()
    {
        RepaintHold hold;
        {
            ShownWindow shown;
            QVERIFY(shown.settle());
            hold.hold(&shown.window, nullptr, 5000);
            shown.window.update();
            QTest::qWait(30);
        }
        QVERIFY(!hold.isHolding());
        hold.release();
    }
};

QTEST_MAIN(TestRepaintHold)
#include "tst_repainthold.moc"
