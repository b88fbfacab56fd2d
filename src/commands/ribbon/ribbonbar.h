#pragma once

#include "ribbon/geometry/ribbonbands.h"
#include "ribbon/interaction/minimisedtabs.h"
#include "ribbon/customise/customisedbar.h"
#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QWheelEvent;

namespace Tagovnik::Ribbon {

class CaptionBarWidget;
class DroppedPageHost;
class QuickAccessToolbarModel;
class QuickAccessToolbarWidget;
class RibbonContext;
class RibbonEntryButton;
class RibbonHelpButton;
class RibbonMenus;
class RibbonPageWidget;
class RibbonTabButton;
class TRibbonCustomizeDlg;

// The ribbon command bar at the top of the main window. It draws the window's
// title bar (caption bar), the tab row with the help button, and the selected
// tab's page. It owns no commands: its entries run the commands of the lists.
class RibbonBar : public QWidget
{
    Q_OBJECT

public:
    // Fails when the window already has a ribbon.
    RibbonBar(RibbonContext &context, const RibbonDefinition &definition, QWidget *window);
    ~RibbonBar() override;

    const RibbonDefinition &definition() const { return m_definition; }

    int tabCount() const { return int(m_tabs.size()); }
    // -1 while the minimised ribbon has no tab selected.
    int tabIndex() const { return m_tabsState.selectedTab(); }
    // Shows that tab's page (drops it down while minimised); an index outside the tabs fails,
    // but -1 closes a page dropped down from the minimised ribbon.
    void setTabIndex(int index);

    // Minimised, the ribbon shows the caption bar and the tab row only.
    bool isMinimised() const { return m_tabsState.isMinimised(); }
    void setMinimised(bool minimised);
    // The page dropped down over the window's client area, or nullptr.
    QWidget *droppedPage() const;

    bool isCaptionOnly() const { return m_state.captionOnly; }
    RibbonState state() const { return m_state; }

    RibbonContext &context() const { return m_context; }
    CaptionBarWidget *captionBar() const { return m_captionBar; }
    RibbonMenus &menus() const { return *m_menus; }
    // What the quick access toolbar holds and where it stands; the ribbon places it from this.
    QuickAccessToolbarModel &quickAccessToolbar() const { return *m_quickAccess; }
    const QList<RibbonTabButton *> &tabs() const { return m_tabs; }
    RibbonPageWidget *page(int index) const { return m_pages.value(index); }
    QAbstractButton *helpButton() const;
    const QList<RibbonEntryButton *> &quickAccessToolbarEntries() const;

    // The entries on screen now, whose commands are evaluated at idle moments.
    QList<RibbonEntryButton *> visibleEntries() const;

    QSize sizeHint() const override;

    // The customise window, once it has been opened.
    TRibbonCustomizeDlg *customizeDialog() const;

public Q_SLOTS:
    // Opens the customise window, made on first use and kept, as the user left it.
    void openCustomizeDialog();

Q_SIGNALS:
    void helpButtonClicked();
    // "Customize Quick Access Toolbar..." or "More Commands..." was chosen.
    void customizeRequested();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool turnWheel(const QWheelEvent &event);
    void updateCaptionOnly();
    void layoutChildren();
    void placeQuickAccessToolbar(const RibbonBands &bands);
    void followQuickAccessPosition();
    // Shows what the tab selection says: checked tab, the page in place or dropped down.
    void showTabs();
    void placeDroppedPage();
    void watchForLeaving(QObject *watched, QEvent *event);
    void leaveDroppedPage();
    QList<CustomisedBar> customisedBars();

    RibbonContext &m_context;
    RibbonDefinition m_definition;
    RibbonState m_state;
    QuickAccessToolbarModel *m_quickAccess;
    QuickAccessToolbarWidget *m_quickAccessView; // in the caption bar above, in the strip below
    CaptionBarWidget *m_captionBar;
    RibbonHelpButton *m_helpButton;
    QList<RibbonTabButton *> m_tabs;
    QList<RibbonPageWidget *> m_pages;
    MinimisedTabs m_tabsState;
    DroppedPageHost *m_droppedHost = nullptr;
    RibbonMenus *m_menus;
    QPointer<TRibbonCustomizeDlg> m_customizeDialog;
};

} // namespace Tagovnik::Ribbon
