#pragma once

// Which tab is selected and whether its page shows, through minimising and restoring.
//
// Expanded, exactly one tab is selected and its page shows in the ribbon. Minimised, no tab
// is selected until one is chosen; its page then drops down over the window's client area
// until the ribbon loses the focus. A double-click on the selected tab minimises; a
// double-click on any tab while minimised restores with that tab selected. The first mouse
// selection of a tab after minimising is ignored: it is the release that ends the minimising
// double-click. Every operation returns whether the selection or the state changed.
namespace Tagovnik::Ribbon {

class MinimisedTabs
{
public:
    bool isMinimised() const { return m_minimised; }
    // -1 while no tab is selected (minimised, nothing dropped down).
    int selectedTab() const { return m_selected; }
    // Minimised with the selected tab's page dropped down.
    bool isPageDropped() const { return m_minimised && m_selected >= 0; }

    // A selection by the program or the keyboard; -1 closes a dropped page.
    bool selectTab(int tab);
    // A left-button release on a tab.
    bool tabClicked(int tab);
    bool tabDoubleClicked(int tab);

    bool setMinimised(bool minimised);
    bool toggleMinimised() { return setMinimised(!m_minimised); }
    // The ribbon lost the focus: a dropped page goes, and no tab stays selected.
    bool focusLost();

private:
    bool restore(int tab);

    bool m_minimised = false;
    int m_selected = -1;
    bool m_ignoreNextClick = false;
};

} // namespace Tagovnik::Ribbon
