#include "ribbon/interaction/minimisedtabs.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

// What the ribbon would show: "expanded 1", "minimised", "dropped 0".
QByteArray seen(const MinimisedTabs &tabs)
{
    if (!tabs.isMinimised())
        return "expanded " + QByteArray::number(tabs.selectedTab());
    if (tabs.isPageDropped())
        return "dropped " + QByteArray::number(tabs.selectedTab());
    return tabs.selectedTab() < 0 ? "minimised" : "minimised with a selection";
}

// A double-click as the tab receives it: click, double-click, then the second release.
void doubleClick(MinimisedTabs &tabs, int tab)
{
    tabs.tabClicked(tab);
    tabs.tabDoubleClicked(tab);
    tabs.tabClicked(tab);
}

MinimisedTabs started()
{
    MinimisedTabs tabs;
    tabs.selectTab(0);
    return tabs;
}

} // namespace

class TestMinimisedTabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubleClickOnTheSelectedTabMinimises()
    {
        MinimisedTabs tabs = started();
        QCOMPARE(seen(tabs), "expanded 0");
        doubleClick(tabs, 0);
        // The double-click's last release drops nothing down.
        QCOMPARE(seen(tabs), "minimised");
        QVERIFY(tabs.tabClicked(0));
        QCOMPARE(seen(tabs), "dropped 0");
        QVERIFY(tabs.focusLost());
        QCOMPARE(seen(tabs), "minimised");
        QVERIFY(!tabs.focusLost());
        doubleClick(tabs, 0);
        QCOMPARE(seen(tabs), "expanded 0");
    }

    void doubleClickOnAnUnselectedTabSelectsItThenMinimises()
    {
        MinimisedTabs tabs = started();
        tabs.tabClicked(1);
        QCOMPARE(seen(tabs), "expanded 1");
        tabs.tabDoubleClicked(1);
        tabs.tabClicked(1);
        QCOMPARE(seen(tabs), "minimised");
        // Its first click drops the page down, the double-click restores with that tab.
        tabs.tabClicked(0);
        QCOMPARE(seen(tabs), "dropped 0");
        tabs.tabDoubleClicked(0);
        tabs.tabClicked(0);
        QCOMPARE(seen(tabs), "expanded 0");
    }

    void aDoubleClickThatStartsOnAnotherTabOnlySelects()
    {
        MinimisedTabs tabs = started();
        QVERIFY(tabs.tabDoubleClicked(1));
        QCOMPARE(seen(tabs), "expanded 1");
    }

    void onlyTheFirstMouseSelectionAfterMinimisingIsIgnored()
    {
        MinimisedTabs tabs = started();
        QVERIFY(tabs.toggleMinimised());
        QCOMPARE(seen(tabs), "minimised");
        QVERIFY(!tabs.tabClicked(1));
        QCOMPARE(seen(tabs), "minimised");
        QVERIFY(tabs.tabClicked(1));
        QCOMPARE(seen(tabs), "dropped 1");
        QVERIFY(tabs.tabClicked(0));
        QCOMPARE(seen(tabs), "dropped 0");
        // A selection by the keyboard is no mouse release to swallow.
        MinimisedTabs keyed = started();
        keyed.setMinimised(true);
        QVERIFY(keyed.selectTab(1));
        QCOMPARE(seen(keyed), "dropped 1");
        QVERIFY(keyed.selectTab(-1));
        QCOMPARE(seen(keyed), "minimised");
    }

    void restoringShowsTheSelectedOrTheFirstTab()
    {
        MinimisedTabs tabs = started();
        tabs.tabClicked(1);
        tabs.setMinimised(true);
        QVERIFY(tabs.setMinimised(false));
        QCOMPARE(seen(tabs), "expanded 0"); // minimising left no tab selected
        tabs.setMinimised(true);
        tabs.tabClicked(1); // swallowed
        tabs.tabClicked(1);
        QVERIFY(tabs.toggleMinimised());
        QCOMPARE(seen(tabs), "expanded 1");
        QVERIFY(!tabs.setMinimised(false));
        // Expanded, a tab stays selected whatever happens to the focus.
        QVERIFY(!tabs.focusLost());
        QVERIFY(!tabs.selectTab(-1));
        QCOMPARE(seen(tabs), "expanded 1");
        // Restored, the next minimising swallows a release again.
        tabs.setMinimised(true);
        QVERIFY(!tabs.tabClicked(0));
    }
};

QTEST_APPLESS_MAIN(TestMinimisedTabs)
#include "tst_minimisedtabs.moc"
