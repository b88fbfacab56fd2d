#include "testmain.h"
#include "windowscaling.h"

using namespace Tagovnik;

class TestWindowScaling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontFollowsPixelsPerInch()
    {
        QCOMPARE(WindowScaling::fontPixelHeight(11, 96), 11);
        QCOMPARE(WindowScaling::fontPixelHeight(11, 120), 14);
        QCOMPARE(WindowScaling::fontPixelHeight(11, 144), 17);
    }

    void sizesStayAsDesignedWhenTheTextHeightAgrees()
    {
        const double r = WindowScaling::ratio(13);
        QCOMPARE(r, 1.0);
        QCOMPARE(WindowScaling::scaled(QSize(1279, 691), r), QSize(1279, 691));
    }

    void edgesScaleSoNeighboursStillMeet()
    {
        const double r = WindowScaling::ratio(16); // 16/13
        // Ribbon above the pane: the pane's top edge is where the ribbon's bottom lands.
        const QRect ribbon = WindowScaling::scaled(QRect(0, 0, 1279, 147), r);
        const QRect pane = WindowScaling::scaled(QRect(0, 147, 1279, 544), r);
        QCOMPARE(pane.top(), ribbon.bottom() + 1);
        QCOMPARE(ribbon.height(), 181);
        QCOMPARE(WindowScaling::scaled(QSize(1279, 691), r), QSize(1574, 850));
    }

    void restoredPlacementIsCentredOnTheWorkArea()
    {
        const QRect desktop(0, 0, 1920, 1080);
        QCOMPARE(
            WindowScaling::centredPlacement(QSize(1279, 691), QRect(0, 0, 1920, 1040), desktop),
            QPoint(320, 174));
        // Integer division, and never before the desktop's edges.
        QCOMPARE(WindowScaling::centredPlacement(QSize(1280, 700), QRect(0, 0, 1024, 600), desktop),
                 QPoint(0, 0));
        QCOMPARE(WindowScaling::centredPlacement(QSize(100, 101), QRect(0, 0, 301, 300), desktop),
                 QPoint(100, 99));
    }
};

TAGOVNIK_TEST_MAIN(TestWindowScaling)
#include "tst_windowscaling.moc"

using namespace Tagovnik;
