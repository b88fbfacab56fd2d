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
#include "ribbon/keytips/keytipcontroller.h"
#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/geometry/tabrowlayout.h"

#include <QApplication>
#include <QFontMetrics>
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
      m_helpButton(new RibbonHelpButton(this))
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
        connect(tab, &QAbstractButton::clicked, this,
                [this, index = int(m_tabs.size())] { setTabIndex(index); });
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
    m_state.quickAccessPosition = m_quickAccess->position();

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

RibbonBar::~RibbonBar() = default;

QAbstractButton *RibbonBar::helpButton() const
{
    return m_helpButton;
}

void RibbonBar::setTabIndex(int index)
{
    if (index < 0 || index >= m_tabs.size())
        throw Error(Texts::exceptionKind, Texts::invalidTabIndex,
                    __builtin_return_address(0));
    m_selectedTab = index;
    for (int i = 0; i < m_tabs.size(); ++i) {
        m_tabs.at(i)->setChecked(i == index);
        m_pages.at(i)->setVisible(i == index && !m_state.captionOnly);
    }
    layoutChildren();
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
    if (RibbonPageWidget *page = m_pages.value(m_selectedTab); page && page->isVisible())
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
        if (widget && (widget == this || isAncestorOf(widget)))
            return turnWheel(*static_cast<QWheelEvent *>(event));
    }
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
    setTabIndex(m_selectedTab);
    setFixedHeight(ribbonHeight(m_state));
}

void RibbonBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
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
    if (RibbonPageWidget *page = m_pages.value(m_selectedTab))
        page->setGeometry(bands.pageArea);
}

// Above the ribbon the caption bar holds the toolbar; below it stands in the ribbon's strip.
void RibbonBar::placeQuickAccessToolbar(const RibbonBands &bands)
{
    QuickAccessToolbarWidget *toolbar = m_quickAccessView;
    if (bands.quickAccessStrip.isNull()) {
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
    const int next = qBound(0, m_selectedTab + (steps < 0 ? 1 : -1), int(m_tabs.size()) - 1);
    if (next != m_selectedTab)
        setTabIndex(next);
    return true;
}

} // namespace Tagovnik::Ribbon
