#pragma once

#include "ribbon/customise/customisedbar.h"

#include <QDialog>
#include <QList>

class QAbstractButton;
class QTabWidget;

namespace Tagovnik {
class ActionManager;
} // namespace Tagovnik

namespace Tagovnik::Ribbon {

class CustomiseActionsPage;
class CustomiseToolbarsPage;
class QuickAccessDropTarget;
class QuickAccessToolbarWidget;
class RibbonContext;

// The ribbon's "Customize" window for one command list: the pages "Toolbars" and "Actions" and
// the button "Close". It is modeless. While it is shown the list is suspended and the quick
// access toolbar takes the list's commands dragged onto it; however it is closed ("Close",
// Esc, the window's own close), the list returns to normal and the toolbar to its usual self.
class TRibbonCustomizeDlg : public QDialog
{
    Q_OBJECT

public:
    TRibbonCustomizeDlg(RibbonContext &context, ActionManager &list, QList<CustomisedBar> bars,
                        QuickAccessToolbarWidget &toolbar, QWidget *parent = nullptr);
    ~TRibbonCustomizeDlg() override;

    bool isCustomising() const { return m_customising; }

    QTabWidget *tabs() const { return m_tabs; }
    CustomiseToolbarsPage *toolbarsPage() const { return m_toolbarsPage; }
    CustomiseActionsPage *actionsPage() const { return m_actionsPage; }
    QAbstractButton *closeButton() const { return m_closeButton; }
    QuickAccessDropTarget *dropTarget() const { return m_dropTarget; }

    // Shows the window, as the user left it, and brings it to the front.
    void present();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

private:
    void setCustomising(bool customising);
    void addAtEnd(const QString &command);

    ActionManager &m_list;
    QuickAccessToolbarWidget &m_toolbar;
    QTabWidget *m_tabs;
    CustomiseToolbarsPage *m_toolbarsPage;
    CustomiseActionsPage *m_actionsPage;
    QAbstractButton *m_closeButton;
    QuickAccessDropTarget *m_dropTarget;
    bool m_customising = false;
};

} // namespace Tagovnik::Ribbon
