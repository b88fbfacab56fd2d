#include "ribbon/geometry/quickaccesstoolbarlayout.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

class TestQuickAccessToolbarLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void widthIsWhatItNeedsCappedByTheCaptionBar()
    {
        // Cap: ribbon width - 38 - 3 * 46 - 56; six entries need 6 * 24 + 27 = 171.
        const QList<int> six(6, 24);
        QuickAccessToolbarLayout layout = layoutQuickAccessToolbarAbove(403, 38, 138, six);
        QCOMPARE(layout.frame, QRect(49, 5, 171, 24));
        QVERIFY(!layout.overflow);
        QCOMPARE(layout.endButton, QRect(200, 6, 13, 22));

        layout = layoutQuickAccessToolbarAbove(402, 38, 138, six);
        QCOMPARE(layout.frame.width(), 170);
        QVERIFY(layout.overflow);
        QCOMPARE(layout.shownEntryCount, 5);
        QVERIFY(layout.entries.last().isNull());
        QCOMPARE(layout.endButton.left(), 56 + 5 * 24); // right after the shown entries

        layout = layoutQuickAccessToolbarAbove(1279, 38, 138, {24, 24}, Qt::RightToLeft);
        QCOMPARE(layout.entries, (QList<QRect>{QRect(1199, 6, 24, 22), QRect(1175, 6, 24, 22)}));
    }

    void belowFillsTheStrip()
    {
        const QRect strip(0, 147, 100, 26);
        QuickAccessToolbarLayout layout = layoutQuickAccessToolbarBelow(strip, {24});
        QCOMPARE(layout.frame, strip);
        QCOMPARE(layout.entries.first(), QRect(7, 149, 24, 22));
        // Once an entry is out of sight the later ones stay out too, in order.
        layout = layoutQuickAccessToolbarBelow(strip, {24, 60, 24});
        QCOMPARE(layout.shownEntryCount, 1);
        QVERIFY(layout.overflow && layout.entries.last().isNull());
    }
};

QTEST_APPLESS_MAIN(TestQuickAccessToolbarLayout)
#include "tst_quickaccesstoolbarlayout.moc"
