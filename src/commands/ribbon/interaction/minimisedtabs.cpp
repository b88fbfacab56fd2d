#include "ribbon/interaction/minimisedtabs.h"

namespace Tagovnik::Ribbon {

bool MinimisedTabs::selectTab(int tab)
{
    if (tab < 0 && !m_minimised)
        return false; // an expanded ribbon always shows a page
    if (tab == m_selected)
        return false;
    m_selected = tab;
    return true;
}

bool MinimisedTabs::tabClicked(int tab)
{
    if (m_minimised && m_ignoreNextClick) {
        m_ignoreNextClick = false;
        return false;
    }
    return selectTab(tab);
}

bool MinimisedTabs::tabDoubleClicked(int tab)
{
    if (m_minimised)
        return restore(tab);
    // The double-click's first click has selected the tab already.
    if (tab != m_selected)
        return selectTab(tab);
    return setMinimised(true);
}

bool MinimisedTabs::setMinimised(bool minimised)
{
    if (minimised == m_minimised)
        return false;
    if (!minimised)
        return restore(m_selected);
    m_minimised = true;
    m_selected = -1;
    m_ignoreNextClick = true;
    return true;
}

bool MinimisedTabs::restore(int tab)
{
    m_minimised = false;
    m_ignoreNextClick = false;
    m_selected = tab >= 0 ? tab : 0;
    return true;
}

bool MinimisedTabs::focusLost()
{
    if (!isPageDropped())
        return false;
    m_selected = -1;
    return true;
}

} // namespace Tagovnik::Ribbon
