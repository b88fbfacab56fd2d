#include "ribbon/captionbar/captionbarwidget.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/controls/hoverhelp.h"
#include "ribbon/windowchrome/windowactions.h"
#include "ribbon/windowchrome/windowmenu.h"

#include <QApplication>
#include <QChildEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>


using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

CaptionBarWidget::CaptionBarWidget(RibbonContext &context, const RibbonDefinition &ribbon,
                                   QWidget *parent)
    : CaptionBarWidget(context, ribbon,
                       *new QuickAccessToolbarWidget(
                           context, *new QuickAccessToolbarModel(ribbon.quickAccessToolbar)),
                       parent)
{
    m_quickAccessToolbar->setParent(this);
    m_quickAccessToolbar->model().setParent(this);
    relayout();
}

CaptionBarWidget::CaptionBarWidget(RibbonContext &context, const RibbonDefinition &ribbon,
                                   QuickAccessToolbarWidget &toolbar, QWidget *parent)
    : QWidget(parent), m_context(context), m_caption(ribbon.caption),
      m_applicationMenu(new ApplicationMenuPopup(context, ribbon.applicationMenu, this)),
      m_quickAccessToolbar(&toolbar),
      m_iconButton(new CaptionIconButton(this)),
      m_minimizeButton(new CaptionSystemButton(CaptionSystemButton::Kind::Minimise, this)),
      m_maximizeButton(new CaptionSystemButton(CaptionSystemButton::Kind::Maximise, this)),
      m_closeButton(new CaptionSystemButton(CaptionSystemButton::Kind::Close, this))
{
    setObjectName(u"RibbonCaptionBar"_s);
    setFont(context.font());
    setAccessibleName(m_caption);
    m_iconButton->hide();

    m_applicationButton = new ApplicationButton(*m_applicationMenu, parent ? parent : this);
    m_applicationButton->setAccessibleName(displayedCaption(ribbon.applicationMenu.caption));
    connect(m_applicationButton, &ApplicationButton::menuRequested, this, [this] {
        if (m_applicationMenu->isVisible())
            m_applicationMenu->close();
        else
            openApplicationMenu();
    });
    const auto closeWindow = [this] {
        m_applicationMenu->close();
        window()->close();
    };
    connect(m_applicationButton, &ApplicationButton::doubleClicked, this, closeWindow);
    connect(m_applicationMenu, &ApplicationMenuPopup::applicationButtonDoubleClicked, this,
            closeWindow);

    connect(m_iconButton, &CaptionIconButton::menuRequested, this, [this] {
        if (auto *open = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            open->close();
            return;
        }
        const QRect icon = m_layout.applicationIcon;
        openWindowMenu(mapToGlobal(QPoint(icon.left(), icon.bottom() + 1)));
    });
    connect(m_iconButton, &CaptionIconButton::doubleClicked, this, [this] {
        if (QWidget *open = QApplication::activePopupWidget())
            open->close();
        window()->close();
    });

    connect(m_minimizeButton, &QAbstractButton::clicked, this,
            [this] { window()->showMinimized(); });
    connect(m_maximizeButton, &QAbstractButton::clicked, this,
            [this] { WindowActions::toggleMaximised(window()); });
    connect(m_closeButton, &QAbstractButton::clicked, this, [this] { window()->close(); });
    connect(m_quickAccessToolbar, &QuickAccessToolbarWidget::entriesChanged, this,
            &CaptionBarWidget::relayout);
    connect(&toolbar.model(), &QuickAccessToolbarModel::visibilityChanged, this,
            &CaptionBarWidget::relayout);

    adoptApplicationButton();
    followWindow();
    relayout();
}

CaptionBarWidget::~CaptionBarWidget()
{
    // The application button lives with the ribbon, not with the caption bar.
    if (m_applicationButton && m_applicationButton->parent() != this)
        delete m_applicationButton;
}

QSize CaptionBarWidget::sizeHint() const
{
    return {600, captionBarHeight(logicalDpiY())};
}

void CaptionBarWidget::setCaptionOnly(bool captionOnly)
{
    if (captionOnly == m_captionOnly)
        return;
    m_captionOnly = captionOnly;
    if (captionOnly)
        m_applicationMenu->close();
    relayout();
}

void CaptionBarWidget::setQuickAccessPosition(QuickAccessPosition position)
{
    if (position == m_quickAccessPosition)
        return;
    m_quickAccessPosition = position;
    relayout();
}

QString CaptionBarWidget::displayedCaptionText() const
{
    if (!m_layout.caption.elided)
        return m_caption;
    return QFontMetrics(m_context.font(10))
        .elidedText(m_caption, Qt::ElideRight, m_layout.caption.rect.width());
}

void CaptionBarWidget::openApplicationMenu()
{
    if (!m_applicationButton || m_applicationButton->isHidden())
        return;
    const QRect button = m_applicationButton->geometry();
    const QWidget *host = m_applicationButton->parentWidget();
    m_applicationMenu->popup(QRect(host->mapToGlobal(button.topLeft()), button.size()));
}

void CaptionBarWidget::openWindowMenu(const QPoint &globalPos)
{
    // The icon that opens the menu in the caption-only state closes the window on a double-click.
    QRect iconOnScreen;
    if (m_captionOnly)
        iconOnScreen =
            QRect(mapToGlobal(m_layout.applicationIcon.topLeft()), m_layout.applicationIcon.size());
    (new WindowMenu(window(), iconOnScreen, this))->popup(globalPos);
}

bool CaptionBarWidget::opensWindowMenuAt(const QPoint &pos) const
{
    const SystemButtons &buttons = m_layout.systemButtons;
    if (buttons.minimise.contains(pos) || buttons.maximise.contains(pos) ||
        buttons.close.contains(pos))
        return false;
    if (m_captionOnly)
        return true;
    // Left of that the ribbon's own context menu belongs.
    const QRect toolbar = m_layout.quickAccess.frame.isNull() ? m_layout.applicationButton
                                                              : m_layout.quickAccess.frame;
    return layoutDirection() == Qt::RightToLeft ? pos.x() < toolbar.left()
                                                : pos.x() > toolbar.right();
}

void CaptionBarWidget::relayout()
{
    const QFontMetrics captionMetrics(m_context.font(10));
    CaptionBarInput input;
    input.ribbonWidth = width();
    input.captionBarHeight = height();
    input.captionOnly = m_captionOnly;
#ifdef Q_OS_WIN
    // Only a maximised Windows frame pushes the caption bar's top off the screen.
    input.maximised = m_window && m_window->isMaximized();
#endif
    input.direction = layoutDirection();
    // A hidden toolbar leaves the caption bar as the toolbar below the ribbon does.
    const bool toolbarShown = m_quickAccessToolbar->model().isVisible();
    input.quickAccessPosition = toolbarShown ? m_quickAccessPosition : QuickAccessPosition::BelowRibbon;
    input.quickAccessEntryWidths = m_quickAccessToolbar->entryWidths();
    input.captionTextSize =
        QSize(captionMetrics.horizontalAdvance(m_caption), captionMetrics.height());
    m_layout = layoutCaptionBar(input);

    if (m_applicationButton && !m_layout.applicationButton.isNull()) {
        QRect button = m_layout.applicationButton;
        if (m_applicationButton->parentWidget() != this)
            button.translate(pos());
        m_applicationButton->setGeometry(button);
    }

    const bool toolbarHere = !m_captionOnly && toolbarShown &&
                             m_quickAccessPosition == QuickAccessPosition::AboveRibbon;
    if (toolbarHere) {
        if (m_quickAccessToolbar->parentWidget() != this)
            m_quickAccessToolbar->setParent(this);
        m_quickAccessToolbar->setDrawsBackdrop(true);
        m_quickAccessToolbar->arrange(m_layout.quickAccess);
        m_quickAccessToolbar->show();
    } else if (m_quickAccessToolbar->parentWidget() == this) {
        m_quickAccessToolbar->hide();
    }

    m_iconButton->setGeometry(m_layout.applicationIcon);
    m_iconButton->setVisible(m_captionOnly);
    m_minimizeButton->setGeometry(m_layout.systemButtons.minimise);
    m_maximizeButton->setGeometry(m_layout.systemButtons.maximise);
    m_closeButton->setGeometry(m_layout.systemButtons.close);
    updateApplicationButtonVisibility();
    update();
}

void CaptionBarWidget::adoptApplicationButton()
{
    QWidget *host = parentWidget() ? parentWidget() : this;
    if (m_watchedParent && m_watchedParent != host)
        m_watchedParent->removeEventFilter(this);
    if (host != this && m_watchedParent != host)
        host->installEventFilter(this);
    m_watchedParent = host != this ? host : nullptr;
    if (m_applicationButton && m_applicationButton->parentWidget() != host)
        m_applicationButton->setParent(host);
    if (m_applicationButton)
        m_applicationButton->raise();
}

void CaptionBarWidget::updateApplicationButtonVisibility()
{
    if (m_applicationButton)
        m_applicationButton->setVisible(!m_captionOnly && !isHidden());
}

void CaptionBarWidget::followWindow()
{
    QWidget *current = window();
    if (current == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = current;
    if (current != this)
        current->installEventFilter(this);
    updateWindowState();
}

void CaptionBarWidget::updateWindowState()
{
    const bool maximised = m_window && m_window->isMaximized();
    m_maximizeButton->setKind(maximised ? CaptionSystemButton::Kind::Restore
                                        : CaptionSystemButton::Kind::Maximise);
    m_maximizeButton->setEnabled(maximised || (m_window && WindowActions::isResizable(m_window)));
    relayout();
}

bool CaptionBarWidget::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    switch (event->type()) {
    case QEvent::ParentChange:
        adoptApplicationButton();
        followWindow();
        relayout();
        break;
    case QEvent::LayoutDirectionChange:
    case QEvent::FontChange:
        relayout();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool CaptionBarWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && watched != this && event->type() == QEvent::WindowStateChange)
        updateWindowState();
    // The ribbon's later children (tab row, pages) would otherwise cover the button's lower half.
    if (watched == m_watchedParent && event->type() == QEvent::ChildAdded && m_applicationButton &&
        static_cast<QChildEvent *>(event)->child() != m_applicationButton)
        m_applicationButton->raise();
    return QWidget::eventFilter(watched, event);
}

void CaptionBarWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void CaptionBarWidget::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    relayout();
}

void CaptionBarWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    followWindow();
    updateApplicationButtonVisibility();
    if (m_applicationButton)
        m_applicationButton->raise();
}

void CaptionBarWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateApplicationButtonVisibility();
    m_applicationMenu->close();
}

void CaptionBarWidget::changeEvent(QEvent *event)
{
    // The caption turns pale while the window is inactive.
    if (event->type() == QEvent::ActivationChange)
        update();
    QWidget::changeEvent(event);
}

void CaptionBarWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintCaptionBar(painter, rect());
    const QRect caption = m_layout.caption.rect;
    if (caption.isEmpty())
        return;
    painter.setFont(m_context.font(10));
    painter.setPen(isActiveWindow() ? Palette::captionText : Palette::inactiveCaptionText);
    const Qt::Alignment horizontal =
        layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(caption, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine,
                     displayedCaptionText());
}

void CaptionBarWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_mover.press(*event);
}

void CaptionBarWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_mover.move(*event);
}

void CaptionBarWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_mover.release();
    event->accept();
}

void CaptionBarWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_mover.release();
    if (window() != this)
        WindowActions::toggleMaximised(window());
}

void CaptionBarWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() != QContextMenuEvent::Mouse || !opensWindowMenuAt(event->pos())) {
        event->ignore();
        return;
    }
    event->accept();
    openWindowMenu(event->globalPos());
}

} // namespace Tagovnik::Ribbon
