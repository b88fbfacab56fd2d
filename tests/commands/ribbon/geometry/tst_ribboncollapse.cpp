#include "ribbon/geometry/ribboncollapse.h"

#include "ribbontestdata.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

// The page "Domů": "Orvalis" 266 wide (54 collapsed), "Navigace" 249 (60). Expanded they
// need 4 + 269 + 252 = 525; with "Navigace" collapsed 336; both collapsed 124.
QList<CollapsibleGroup> homePage()
{
    return {{layoutTestGroup(orvalisEntries()).width, collapsedGroupWidth(7 * 6)},
            {layoutTestGroup(navigaceEntries()).width, collapsedGroupWidth(8 * 6)}};
}

} // namespace

class TestRibbonCollapse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void narrowingThenWidening()
    {
        const QList<CollapsibleGroup> groups = homePage();
        GroupCollapseStack stack;
        stack.update(groups, 525);
        QVERIFY(stack.collapsed().isEmpty());
        stack.update(groups, 524);
        QCOMPARE(stack.collapsed(), QList<int>{1}); // "Navigace" first
        QCOMPARE(stack.displayedWidths(groups), (QList<int>{266, 60}));
        stack.update(groups, 300);
        QCOMPARE(stack.collapsed(), (QList<int>{1, 0}));

        stack.update(groups, 335); // "Orvalis" would need 336
        QCOMPARE(stack.collapsed(), (QList<int>{1, 0}));
        stack.update(groups, 400); // "Orvalis" back, "Navigace" tried and collapsed again
        QCOMPARE(stack.collapsed(), QList<int>{1});
        stack.update(groups, 525);
        QVERIFY(stack.collapsed().isEmpty());
    }

    void groupsThatCannotCollapseAreSkipped()
    {
        QList<CollapsibleGroup> groups = homePage();
        groups[1].collapsible = false;
        GroupCollapseStack stack;
        stack.update(groups, 100); // does not fit even so: the page scrolls
        QCOMPARE(stack.collapsed(), QList<int>{0});

        // A stack position whose group has gone is forgotten.
        stack.update({groups.first()}, 100);
        QCOMPARE(stack.collapsed(), QList<int>{0});
        stack.update({}, 100);
        QVERIFY(stack.collapsed().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRibbonCollapse)
#include "tst_ribboncollapse.moc"
