#include "ribbon/geometry/ribbonpagelayout.h"

#include <QTest>

#include <algorithm>

using namespace Tagovnik::Ribbon;

class TestRibbonPageLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupOrder()
    {
        QCOMPARE(groupDisplayOrder({3, 1}), (QList<int>{1, 0}));
        // "Další": "Systém" and "Program" share 2, "Systém" defined first.
        QCOMPARE(groupDisplayOrder({2, 2}), (QList<int>{0, 1}));
        QCOMPARE(groupDisplayOrder({1, 2, 3, 2}, Qt::RightToLeft), (QList<int>{2, 1, 3, 0}));

        // Enough equal indices for an unstable sort to shuffle them; laying out the ordered
        // page again must not move anything either.
        QList<int> indices;
        for (int i = 0; i < 64; ++i)
            indices.append(2 - i % 3);
        QList<int> expected;
        for (int index : {0, 1, 2})
            for (int i = 0; i < 64; ++i)
                if (indices.at(i) == index)
                    expected.append(i);
        QCOMPARE(groupDisplayOrder(indices), expected);
        QList<int> ordered;
        for (int position : std::as_const(expected))
            ordered.append(indices.at(position));
        const QList<int> again = groupDisplayOrder(ordered);
        QVERIFY(std::is_sorted(again.cbegin(), again.cend()));
    }

    void placementAndScrolling()
    {
        PageLayout layout = layoutPage({266, 249}, QSize(1278, 93));
        QCOMPARE(layout.groups, (QList<QRect>{QRect(4, 3, 266, 86), QRect(272, 3, 249, 86)}));
        QVERIFY(layout.scrollLeft.isNull() && layout.scrollRight.isNull());
        QCOMPARE(pageWidthNeeded({266, 249}), 4 + 269 + 252);

        // The groups end at 521 on a 300 wide page.
        const QSize narrow(300, 93);
        layout = layoutPage({266, 249}, narrow);
        QVERIFY(layout.scrollLeft.isNull());
        QCOMPARE(layout.scrollRight, QRect(288, 0, 12, 93));
        layout = layoutPage({266, 249}, narrow, -100);
        QCOMPARE(layout.groups.first().left(), -96);
        QVERIFY(!layout.scrollLeft.isNull() && !layout.scrollRight.isNull());
        layout = layoutPage({266, 249}, narrow, -1000);
        QCOMPARE(layout.scrollOffset, -221);
        QVERIFY(layout.scrollRight.isNull());
        QCOMPARE(layoutPage({100}, narrow, -50).scrollOffset, 0);
    }
};

QTEST_APPLESS_MAIN(TestRibbonPageLayout)
#include "tst_ribbonpagelayout.moc"
