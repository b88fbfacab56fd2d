#pragma once

#include "ribbon/geometry/ribbonbands.h"
#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QWidget>

class QAbstractButton;
class QWheelEvent;

namespace Tagovnik::Ribbon {

class CaptionBarWidget;
class QuickAccessToolbarModel;
class QuickAccessToolbarWidget;
class RibbonContext;
class RibbonEntryButton;
class RibbonHelpButton;
class RibbonPageWidget;
class RibbonTabButton;

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
    int tabIndex() const { return m_selectedTab; }
    // Shows that tab's page; an index outside the tabs fails.
    void setTabIndex(int index);

    bool isCaptionOnly() const { return m_state.captionOnly; }
    RibbonState state() const { return m_state; }

    CaptionBarWidget *captionBar() const { return m_captionBar; }
    // What the quick access toolbar holds and where it stands; the ribbon places it from this.
    QuickAccessToolbarModel &quickAccessToolbar() const { return *m_quickAccess; }
    // The toolbar on screen, the model's view.
    QuickAccessToolbarWidget *quickAccessToolbarView() const { return m_quickAccessView; }
    const QList<RibbonTabButton *> &tabs() const { return m_tabs; }
    RibbonPageWidget *page(int index) const { return m_pages.value(index); }
    QAbstractButton *helpButton() const;
    const QList<RibbonEntryButton *> &quickAccessToolbarEntries() const;

    // The entries on screen now, whose commands are evaluated at idle moments.
    QList<RibbonEntryButton *> visibleEntries() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void helpButtonClicked();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool turnWheel(const QWheelEvent &event);
    void updateCaptionOnly();
    void layoutChildren();
    void placeQuickAccessToolbar(const RibbonBands &bands);
    void followQuickAccessPosition();

    RibbonContext &m_context;
    RibbonDefinition m_definition;
    RibbonState m_state;
    QuickAccessToolbarModel *m_quickAccess;
    QuickAccessToolbarWidget *m_quickAccessView; // in the caption bar above, in the strip below
    CaptionBarWidget *m_captionBar;
    RibbonHelpButton *m_helpButton;
    QList<RibbonTabButton *> m_tabs;
    QList<RibbonPageWidget *> m_pages;
    int m_selectedTab = -1;
};

} // namespace Tagovnik::Ribbon
