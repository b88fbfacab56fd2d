#pragma once

#include "ribbon/captionbar/applicationbutton.h"
#include "ribbon/captionbar/captioniconbutton.h"
#include "ribbon/geometry/captionbarlayout.h"
#include "ribbon/model/ribbonstructure.h"
#include "ribbon/windowchrome/captionsystembutton.h"
#include "ribbon/windowchrome/windowmover.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>


namespace Tagovnik::Ribbon {

class ApplicationMenuPopup;
class QuickAccessToolbarWidget;
class RibbonContext;

// The ribbon's top strip, drawn in place of the window's title bar: application button,
// quick access toolbar, caption and the window's minimise, maximise/restore and close buttons.
// Dragging it moves the window, a double-click maximises or restores it, and a right-click
// right of the quick access toolbar opens the window menu.
class CaptionBarWidget : public QWidget
{
    Q_OBJECT

public:
    // Above the ribbon the bar holds the ribbon's quick access toolbar `toolbar`.
    CaptionBarWidget(RibbonContext &context, const RibbonDefinition &ribbon,
                     QuickAccessToolbarWidget &toolbar, QWidget *parent = nullptr);
    // A caption bar on its own keeps a toolbar of the definition's entries.
    CaptionBarWidget(RibbonContext &context, const RibbonDefinition &ribbon,
                     QWidget *parent = nullptr);
    ~CaptionBarWidget() override;

    void setCaptionOnly(bool captionOnly);
    bool isCaptionOnly() const { return m_captionOnly; }

    // Below the ribbon the toolbar leaves the caption bar; the ribbon places it then.
    void setQuickAccessPosition(QuickAccessPosition position);
    QuickAccessPosition quickAccessPosition() const { return m_quickAccessPosition; }

    QString caption() const { return m_caption; }
    const CaptionBarLayout &captionLayout() const { return m_layout; }
    // The caption as drawn now, elided when the bar is too narrow for it.
    QString displayedCaptionText() const;

    // The ribbon's quick access toolbar, wherever it stands now.
    QuickAccessToolbarWidget *quickAccessToolbar() const { return m_quickAccessToolbar; }
    QAbstractButton *applicationButton() const { return m_applicationButton; }
    ApplicationMenuPopup *applicationMenu() const { return m_applicationMenu; }
    QAbstractButton *windowMenuButton() const { return m_iconButton; }
    QAbstractButton *minimizeButton() const { return m_minimizeButton; }
    QAbstractButton *maximizeButton() const { return m_maximizeButton; }
    QAbstractButton *closeButton() const { return m_closeButton; }

    // Opens the application menu below the application button (also its key tip's action).
    void openApplicationMenu();
    // Opens the window menu with its top left at `globalPos`. It deletes itself when closed.
    void openWindowMenu(const QPoint &globalPos);

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void relayout();
    void adoptApplicationButton();
    void followWindow();
    void updateWindowState();
    void updateApplicationButtonVisibility();
    bool opensWindowMenuAt(const QPoint &pos) const;

    RibbonContext &m_context;
    QString m_caption;
    bool m_captionOnly = false;
    QuickAccessPosition m_quickAccessPosition = QuickAccessPosition::AboveRibbon;
    CaptionBarLayout m_layout;

    ApplicationMenuPopup *m_applicationMenu;
    QPointer<ApplicationButton> m_applicationButton;
    QuickAccessToolbarWidget *m_quickAccessToolbar;
    CaptionIconButton *m_iconButton;
    CaptionSystemButton *m_minimizeButton;
    CaptionSystemButton *m_maximizeButton;
    CaptionSystemButton *m_closeButton;
    QPointer<QWidget> m_window;        // whose state the system buttons follow
    QPointer<QWidget> m_watchedParent; // keeps the application button on top of its children

    WindowMover m_mover{*this}; // a press on the bar may turn into a move of the window
};

} // namespace Tagovnik::Ribbon
