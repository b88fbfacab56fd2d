#include "ribbon/geometry/tabrowlayout.h"

#include "ribbontestdata.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

namespace {

// "&Domů" is 24 + 2 * 6 = 36 wide, "Další" 30 + 12 = 42.
TabRowInput programTabs(int ribbonWidth, int firstVisibleTab = 0)
{
    return {QRect(0, 32, ribbonWidth, 23),
            {u"&Domů"_s, u"Další"_s},
            testCaptionMetrics().width,
            firstVisibleTab};
}

} // namespace

class TestTabRowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabsFromTheLeftHelpAtTheRight()
    {
        TabRowInput input = programTabs(1279);
        TabRowLayout layout = layoutTabRow(input);
        QCOMPARE(layout.tabs, (QList<QRect>{QRect(47, 32, 36, 23), QRect(89, 32, 42, 23)}));
        QCOMPARE(layout.helpButton, QRect(1257, 31, 22, 22));
        QVERIFY(layout.scrollLeft.isNull() && layout.scrollRight.isNull());

        input.direction = Qt::RightToLeft;
        layout = layoutTabRow(input);
        QCOMPARE(layout.tabs.first(), QRect(1279 - 47 - 36, 32, 36, 23));
        QCOMPARE(layout.helpButton, QRect(0, 31, 22, 22));
    }

    void tabsThatDoNotFitScroll()
    {
        // Help button at 128, tabs must end by 122: "Další" (89..131) does not fit.
        TabRowLayout layout = layoutTabRow(programTabs(150));
        QCOMPARE(layout.tabs, (QList<QRect>{QRect(47, 32, 36, 23), QRect()}));
        QVERIFY(layout.scrollLeft.isNull());
        QCOMPARE(layout.scrollRight, QRect(110, 32, 12, 23));

        layout = layoutTabRow(programTabs(150, 1));
        QCOMPARE(layout.tabs, (QList<QRect>{QRect(), QRect(59, 32, 42, 23)}));
        QCOMPARE(layout.scrollLeft, QRect(47, 32, 12, 23));
        QVERIFY(layout.scrollRight.isNull());

        QCOMPARE(layoutTabRow(programTabs(150, 7)).firstVisibleTab, 1);
        // Once everything fits again, a remembered scroll position is dropped.
        QCOMPARE(layoutTabRow(programTabs(160, 1)).tabs.first(), QRect(47, 32, 36, 23));
    }
};

QTEST_APPLESS_MAIN(TestTabRowLayout)
#include "tst_tabrowlayout.moc"
