#include "ribbon/ribbonbar.h"

#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "error.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/hoverhelp.h"
#include "ribbon/controls/ribbonaccessibility.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/look/ribbontexts.h"
#include "ribbon/controls/ribbonhelpbutton.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/customise/tribboncustomizedlg.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/keytips/keytipcontroller.h"
#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/geometry/tabrowlayout.h"
#include "ribbon/menus/droppedpagehost.h"
#include "ribbon/ribbonmenus.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

static void ensureOnlyRibbonOn(QWidget *window)
{
    if (window && window->findChild<RibbonBar *>(QString(), Qt::FindDirectChildrenOnly))
        throw Error(Texts::exceptionKind, Texts::onlyOneRibbon,
                    __builtin_return_address(0));
}

RibbonBar::RibbonBar(RibbonContext &context, const RibbonDefinition &definition, QWidget *window)
    : QWidget((ensureOnlyRibbonOn(window), window)), m_context(context), m_definition(definition),
      m_quickAccess(new QuickAccessToolbarModel(definition.quickAccessToolbar, this)),
      m_quickAccessView(new QuickAccessToolbarWidget(context, *m_quickAccess, this)),
      m_captionBar(new CaptionBarWidget(context, definition, *m_quickAccessView, this)),
      m_helpButton(new RibbonHelpButton(this)),
      m_menus(new RibbonMenus({.ribbon = this,
                               .context = &context,
                               .model = m_quickAccess,
                               .toolbar = m_quickAccessView,
                               .helpButton = m_helpButton,
                               .isMinimised = [this] { return isMinimised(); },
                               .isCaptionOnly = [this] { return isCaptionOnly(); }},
                              this))
{
    setObjectName(u"Ribbon1"_s);
    setFont(context.font());
    setAttribute(Qt::WA_OpaquePaintEvent);
    installRibbonAccessibility();
    // The band heights follow the screen's logical pixels per inch, as the window font does.
    m_state.dpi = logicalDpiY();
    m_state.captionBarHeight = captionBarHeight(m_state.dpi);

    for (const PageDefinition &page : m_definition.pages) {
        auto *tab = new RibbonTabButton(page.caption, this);
        // The ribbon keeps the checks itself: while minimised no tab is checked.
        tab->setAutoExclusive(false);
        connect(tab, &RibbonTabButton::selected, this,
                [this, index = int(m_tabs.size())](bool byMouse) {
                    if (byMouse)
                        m_tabsState.tabClicked(index);
                    else
                        m_tabsState.selectTab(index);
                    showTabs();
                });
        m_tabs.append(tab);
        auto *pageWidget = new RibbonPageWidget(context, page, this);
        pageWidget->hide();
        m_pages.append(pageWidget);
    }
    m_helpButton->setVisible(m_definition.showHelpButton);
    connect(m_helpButton, &QAbstractButton::clicked, this, &RibbonBar::helpButtonClicked);
    // The menu's option buttons are menu items to a screen reader.
    if (ApplicationMenuPopup *menu = m_captionBar->applicationMenu()) {
        for (QAbstractButton *option : menu->optionButtons())
            option->setProperty("ribbonMenuItem", true);
    }

    connect(m_quickAccess, &QuickAccessToolbarModel::positionChanged, this,
            &RibbonBar::followQuickAccessPosition);
    connect(m_quickAccessView, &QuickAccessToolbarWidget::entriesChanged, this,
            [this] {
                if (m_state.quickAccessPosition == QuickAccessPosition::BelowRibbon)
                    layoutChildren();
            });
    connect(m_quickAccess, &QuickAccessToolbarModel::visibilityChanged, this,
            &RibbonBar::layoutChildren);
    connect(this, &RibbonBar::customizeRequested, this, &RibbonBar::openCustomizeDialog);
    m_state.quickAccessPosition = m_quickAccess->position();
    connect(m_quickAccessView->endButton(), &QAbstractButton::clicked, m_menus,
            &RibbonMenus::openFromEndButton);
    connect(m_menus, &RibbonMenus::customizeRequested, this, &RibbonBar::customizeRequested);
    connect(m_menus, &RibbonMenus::minimiseToggleRequested, this,
            [this] { setMinimised(!isMinimised()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        // A menu or pop-up opened from the dropped page keeps it; anything else takes it away.
        const bool stays = now && (now == this || isAncestorOf(now) ||
                                   (m_droppedHost && m_droppedHost->isAncestorOf(now)) ||
                                   now->window()->windowType() == Qt::Popup);
        if (!stays)
            leaveDroppedPage();
    });

    // Start-up shows the first tab whatever index was stored.
    if (!m_tabs.isEmpty())
        setTabIndex(0);
    if (window)
        window->installEventFilter(this);
    // Like a mouse hook: the wheel over any part of the ribbon switches tabs.
    qApp->installEventFilter(this);
    // Installed after the wheel's filter, it sees the wheel first, and every key.
    new KeyTipController(*this, *m_captionBar, m_definition);
    setFixedHeight(ribbonHeight(m_state));
}

// The customise window goes first: it hands the commands back as they were.
RibbonBar::~RibbonBar()
{
    delete m_customizeDialog;
}

TRibbonCustomizeDlg *RibbonBar::customizeDialog() const
{
    return m_customizeDialog.data();
}

void RibbonBar::openCustomizeDialog()
{
    if (!m_customizeDialog) {
        ActionManager *list = m_context.list(m_definition.commandList);
        if (!list)
            return;
        m_customizeDialog = new TRibbonCustomizeDlg(m_context, *list, customisedBars(),
                                                    *m_quickAccessView, window());
    }
    m_customizeDialog->present();
}

// The bars of the ribbon's own list, but for the application menu: the quick access toolbar
// and the groups that the list feeds.
QList<CustomisedBar> RibbonBar::customisedBars()
{
    QList<CustomisedBar> bars;
    if (m_quickAccess->commandList() == m_definition.commandList) {
        bars.append({Texts::quickAccessToolbar,
                     [this] { return m_quickAccess->isVisible(); },
                     [this](bool shown) { m_quickAccess->setVisible(shown); }});
    }
    for (RibbonPageWidget *page : std::as_const(m_pages)) {
        for (RibbonGroupWidget *group : page->groups()) {
            if (group->definition().commandList != m_definition.commandList)
                continue;
            bars.append({group->definition().caption,
                         [page, group] { return page->isGroupShown(group); },
                         [page, group](bool shown) { page->setGroupShown(group, shown); }});
        }
    }
    return bars;
}

QAbstractButton *RibbonBar::helpButton() const
{
    return m_helpButton;
}

void RibbonBar::setTabIndex(int index)
{
    const bool noneWhileMinimised = index == -1 && m_tabsState.isMinimised();
    if (!noneWhileMinimised && (index < 0 || index >= m_tabs.size()))
        throw Error(Texts::exceptionKind, Texts::invalidTabIndex,
                    __builtin_return_address(0));
    m_tabsState.selectTab(index);
    showTabs();
}

void RibbonBar::setMinimised(bool minimised)
{
    if (m_tabsState.setMinimised(minimised))
        showTabs();
}

QWidget *RibbonBar::droppedPage() const
{
    return m_droppedHost && m_droppedHost->isVisible() ? m_droppedHost : nullptr;
}

void RibbonBar::showTabs()
{
    const int selected = m_tabsState.selectedTab();
    const bool minimised = m_tabsState.isMinimised();
    const bool minimisedChange = minimised != m_state.minimised;
    m_state.minimised = minimised;
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs.at(i)->setChecked(i == selected);

    const bool dropping = m_tabsState.isPageDropped() && !m_state.captionOnly;
    for (int i = 0; i < m_pages.size(); ++i) {
        RibbonPageWidget *page = m_pages.at(i);
        if (dropping && i == selected)
            continue;
        if (page->parentWidget() != this) {
            page->hide();
            page->setParent(this);
        }
        page->setVisible(!minimised && i == selected && !m_state.captionOnly);
    }
    if (dropping) {
        if (!m_droppedHost) {
            m_droppedHost = new DroppedPageHost(parentWidget() ? parentWidget() : this);
            connect(m_droppedHost, &DroppedPageHost::contextMenuRequested, m_menus,
                    &RibbonMenus::openContextMenu);
        }
        placeDroppedPage();
        m_droppedHost->hold(m_pages.at(selected));
        m_droppedHost->show();
        // The dropped page belongs to the ribbon, which takes the focus for it.
        setFocus(Qt::OtherFocusReason);
    } else if (m_droppedHost) {
        m_droppedHost->hide();
    }
    if (minimisedChange)
        setFixedHeight(ribbonHeight(m_state));
    layoutChildren();
}

void RibbonBar::placeDroppedPage()
{
    if (!m_droppedHost)
        return;
    const RibbonBands bands = layoutRibbonBands(m_state, width());
    const QWidget *host = m_droppedHost->parentWidget();
    const QPoint topLeft = host == this ? QPoint(0, height()) : mapTo(host, QPoint(0, height()));
    m_droppedHost->place(topLeft, bands.pageArea.size());
}

void RibbonBar::leaveDroppedPage()
{
    if (m_tabsState.focusLost())
        showTabs();
}

// A press outside the ribbon and its dropped page, or the window going inactive, takes the
// dropped page away, even where the press gives no other widget the focus.
void RibbonBar::watchForLeaving(QObject *watched, QEvent *event)
{
    if (!m_tabsState.isPageDropped())
        return;
    if (event->type() == QEvent::MouseButtonPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget != this && !isAncestorOf(widget) &&
            !(m_droppedHost && (widget == m_droppedHost || m_droppedHost->isAncestorOf(widget))) &&
            widget->window()->windowType() != Qt::Popup)
            leaveDroppedPage();
    } else if (event->type() == QEvent::WindowDeactivate && watched == window() &&
               !QApplication::activePopupWidget()) {
        leaveDroppedPage();
    }
}

const QList<RibbonEntryButton *> &RibbonBar::quickAccessToolbarEntries() const
{
    return m_quickAccessView->entries();
}

QList<RibbonEntryButton *> RibbonBar::visibleEntries() const
{
    QList<RibbonEntryButton *> entries;
    if (!m_state.captionOnly)
        entries += m_quickAccessView->entries();
    if (RibbonPageWidget *page = m_pages.value(tabIndex()); page && page->isVisible())
        entries += page->visibleEntries();
    return entries;
}

QSize RibbonBar::sizeHint() const
{
    return {1279, ribbonHeight(m_state)};
}

bool RibbonBar::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QWidget::event(event);
}

// The client area of the window decides whether there is room for a ribbon.
bool RibbonBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        updateCaptionOnly();
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == this || isAncestorOf(widget) ||
                       (m_droppedHost && m_droppedHost->isAncestorOf(widget))))
            return turnWheel(*static_cast<QWheelEvent *>(event));
    }
    // The application-wide filter sees a tab's double-click before the tab does.
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int tab = int(m_tabs.indexOf(qobject_cast<RibbonTabButton *>(watched)));
        if (tab >= 0 && mouse->button() == Qt::LeftButton && m_tabsState.tabDoubleClicked(tab))
            showTabs();
    }
    watchForLeaving(watched, event);
    return QWidget::eventFilter(watched, event);
}

void RibbonBar::updateCaptionOnly()
{
    const bool captionOnly = Ribbon::isCaptionOnly(parentWidget()->size());
    if (captionOnly == m_state.captionOnly)
        return;
    m_state.captionOnly = captionOnly;
    m_captionBar->setCaptionOnly(captionOnly);
    for (QWidget *tab : std::as_const(m_tabs))
        tab->setVisible(!captionOnly);
    m_helpButton->setVisible(!captionOnly && m_definition.showHelpButton);
    showTabs();
    setFixedHeight(ribbonHeight(m_state));
}

void RibbonBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void RibbonBar::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    placeDroppedPage();
}

// A right-click anywhere on the ribbon that the caption bar leaves to it.
void RibbonBar::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_state.captionOnly) {
        event->ignore();
        return;
    }
    event->accept();
    QWidget *clicked = childAt(event->pos());
    m_menus->openContextMenu(clicked ? clicked : this, event->globalPos());
}

void RibbonBar::layoutChildren()
{
    const RibbonBands bands = layoutRibbonBands(m_state, width());
    m_captionBar->setGeometry(bands.captionBar);
    placeQuickAccessToolbar(bands);
    if (m_state.captionOnly)
        return;

    const QFontMetrics metrics(font());
    QStringList captions;
    for (const RibbonTabButton *tab : std::as_const(m_tabs))
        captions.append(tab->text());
    const TabRowLayout row =
        layoutTabRow({bands.tabRow, captions,
                      [&metrics](const QString &text) { return metrics.horizontalAdvance(text); },
                      0, m_definition.showHelpButton, layoutDirection()});
    for (int i = 0; i < m_tabs.size(); ++i) {
        m_tabs.at(i)->setGeometry(row.tabs.at(i));
        m_tabs.at(i)->setVisible(!row.tabs.at(i).isNull());
    }
    m_helpButton->setGeometry(row.helpButton);
    if (RibbonPageWidget *page = m_pages.value(tabIndex()); page && page->parentWidget() == this)
        page->setGeometry(bands.pageArea);
    placeDroppedPage();
}

// Above the ribbon the caption bar holds the toolbar; below it stands in the ribbon's strip.
void RibbonBar::placeQuickAccessToolbar(const RibbonBands &bands)
{
    QuickAccessToolbarWidget *toolbar = m_quickAccessView;
    if (bands.quickAccessStrip.isNull() || !m_quickAccess->isVisible()) {
        if (toolbar->parentWidget() == this)
            toolbar->hide();
        return;
    }
    if (toolbar->parentWidget() != this)
        toolbar->setParent(this);
    toolbar->setDrawsBackdrop(false);
    toolbar->arrange(
        layoutQuickAccessToolbarBelow(bands.quickAccessStrip, toolbar->entryWidths(), layoutDirection()));
    toolbar->show();
}

void RibbonBar::followQuickAccessPosition()
{
    m_state.quickAccessPosition = m_quickAccess->position();
    m_captionBar->setQuickAccessPosition(m_state.quickAccessPosition);
    setFixedHeight(ribbonHeight(m_state));
    layoutChildren();
}

void RibbonBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintCaptionBar(painter, rect());
}

// The wheel walks through the tabs, stopping at either end.
bool RibbonBar::turnWheel(const QWheelEvent &event)
{
    const int steps = event.angleDelta().y();
    if (steps == 0 || m_state.captionOnly || m_tabs.isEmpty())
        return false;
    // Minimised, the wheel over the ribbon does nothing.
    if (m_state.minimised)
        return true;
    const int next = qBound(0, tabIndex() + (steps < 0 ? 1 : -1), int(m_tabs.size()) - 1);
    if (next != tabIndex())
        setTabIndex(next);
    return true;
}

} // namespace Tagovnik::Ribbon
