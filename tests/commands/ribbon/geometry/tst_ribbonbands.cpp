#include "ribbon/geometry/ribbonbands.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

int heightAt(int dpi, bool minimised, bool captionOnly, bool toolbarBelow)
{
    return ribbonHeight(
        {captionBarHeight(dpi), dpi, minimised, captionOnly,
         toolbarBelow ? QuickAccessPosition::BelowRibbon : QuickAccessPosition::AboveRibbon});
}

} // namespace

class TestRibbonBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionBarHeightScalesWithAFloor()
    {
        QCOMPARE(captionBarHeight(96), 30);
        QCOMPARE(captionBarHeight(120), 38); // 37.5 rounds up
        QCOMPARE(captionBarHeight(72), 28);
        QCOMPARE(captionBarHeight(96, 31), 31);
        QCOMPARE(captionBarHeight(96, 26), 28);
    }

    void heightInEveryState()
    {
        QCOMPARE(heightAt(96, false, false, false), 147);
        QCOMPARE(heightAt(96, true, false, false), 57);
        QCOMPARE(heightAt(96, false, true, false), 30);
        QCOMPARE(heightAt(96, false, false, true), 173);
        QCOMPARE(heightAt(96, true, false, true), 83);
        QCOMPARE(heightAt(96, false, true, true), 30); // the toolbar hides with the rest
        QCOMPARE(heightAt(144, false, false, false), 45 + 176);
        QCOMPARE(heightAt(144, true, false, true), 45 + 41 + 39);
    }

    void captionOnlyThresholds()
    {
        QVERIFY(isCaptionOnly(QSize(1000, 250)));
        QVERIFY(!isCaptionOnly(QSize(1000, 251)));
        QVERIFY(isCaptionOnly(QSize(299, 600)));
        QVERIFY(!isCaptionOnly(QSize(300, 251)));
    }

    void bandsStackUnderTheCaptionBar()
    {
        RibbonState state;
        RibbonBands bands = layoutRibbonBands(state, 1279);
        QCOMPARE(bands.tabRow, QRect(0, 32, 1279, 23));
        QCOMPARE(bands.pageArea, QRect(0, 54, 1278, 93));
        QVERIFY(bands.pageShown && bands.quickAccessStrip.isNull());

        state.minimised = true;
        state.quickAccessPosition = QuickAccessPosition::BelowRibbon;
        bands = layoutRibbonBands(state, 1279);
        QVERIFY(!bands.pageShown);
        QCOMPARE(bands.quickAccessStrip, QRect(0, 57, 1279, 26));

        state.captionOnly = true;
        bands = layoutRibbonBands(state, 1279);
        QVERIFY(bands.tabRow.isNull() && bands.quickAccessStrip.isNull() && !bands.pageShown);
    }
};

QTEST_APPLESS_MAIN(TestRibbonBands)
#include "tst_ribbonbands.moc"
