#include "ribbon/controls/ribbonbutton.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

class CountingButton : public RibbonButton
{
public:
    using RibbonButton::RibbonButton;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

class TestRibbonButton : public QObject
{
    Q_OBJECT

    // A button shown in `window`, painted and settled; nullptr when the window never showed.
    static CountingButton *settledButton(QWidget &window)
    {
        window.resize(200, 100);
        auto *button = new CountingButton(&window);
        button->setGeometry(10, 10, 80, 30);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window) ||
            !QTest::qWaitFor([button] { return button->paints > 0; }))
            return nullptr;
        QTest::qWait(50);
        return button;
    }

private Q_SLOTS:
    // The press and the click report before the button repaints; its new look
    // follows with the next frame.
    void pressAndClickComeBeforeTheRepaint()
    {
        QWidget window;
        CountingButton *button = settledButton(window);
        QVERIFY(button);

        int paintsAtPress = -1;
        int paintsAtClick = -1;
        int clicks = 0;
        connect(button, &QAbstractButton::pressed, this, [&] { paintsAtPress = button->paints; });
        connect(button, &QAbstractButton::clicked, this, [&] {
            paintsAtClick = button->paints;
            ++clicks;
        });

        const int before = button->paints;
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(paintsAtPress, before);
        QVERIFY(button->isDown());
        QTRY_VERIFY(button->paints > before);

        const int pressed = button->paints;
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(clicks, 1);
        QCOMPARE(paintsAtClick, pressed);
        QVERIFY(!button->isDown());
        QVERIFY(button->updatesEnabled());
        QTRY_VERIFY(button->paints > pressed);

        // Released off the button: no click, and it is drawn up again.
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(clicks, 1);
        QVERIFY(!button->isDown());
        QVERIFY(button->updatesEnabled());
    }

    // Released within the frame the pressed look waits for: the click reports first,
    // and one repaint shows the button up again.
    void aQuickClickRepaintsOnceAfterItReports()
    {
        QWidget window;
        CountingButton *button = settledButton(window);
        QVERIFY(button);
        int paintsAtClick = -1;
        connect(button, &QAbstractButton::clicked, this, [&] { paintsAtClick = button->paints; });

        const int before = button->paints;
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
        QCoreApplication::processEvents();
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(paintsAtClick, before);
        QVERIFY(button->updatesEnabled());
        QTRY_COMPARE(button->paints, before + 1);
        QTest::qWait(RibbonButton::pressedLookDelayMs * 3);
        QCOMPARE(button->paints, before + 1);
    }

    void aClickLeavesUpdatesThatWereOffOff()
    {
        QWidget window;
        window.resize(200, 100);
        auto *button = new CountingButton(&window);
        button->setGeometry(10, 10, 80, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicks = 0;
        connect(button, &QAbstractButton::clicked, this, [&] { ++clicks; });

        window.setUpdatesEnabled(false);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(clicks, 1);
        QVERIFY(!button->updatesEnabled());
        window.setUpdatesEnabled(true);
        QVERIFY(button->updatesEnabled());
    }
};

QTEST_MAIN(TestRibbonButton)
#include "tst_ribbonbutton.moc"
