#include "ribbon/customise/tribboncustomizedlg.h"

#include "actionmanager.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/customise/customiseactionspage.h"
#include "ribbon/customise/customisetoolbarspage.h"
#include "ribbon/controls/hoverhelp.h"
#include "ribbon/customise/quickaccessdroptarget.h"
#include "ribbon/look/ribbontexts.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Tagovnik::Ribbon {

TRibbonCustomizeDlg::TRibbonCustomizeDlg(RibbonContext &context, ActionManager &list,
                                         QList<CustomisedBar> bars,
                                         QuickAccessToolbarWidget &toolbar, QWidget *parent)
    : QDialog(parent), m_list(list), m_toolbar(toolbar), m_tabs(new QTabWidget(this)),
      m_toolbarsPage(new CustomiseToolbarsPage(std::move(bars), this)),
      m_actionsPage(new CustomiseActionsPage(context, list, this)),
      m_closeButton(new QPushButton(Texts::close, this)),
      m_dropTarget(new QuickAccessDropTarget(toolbar, list, this))
{
    setObjectName(QStringLiteral("RibbonCustomizeDlg"));
    setWindowTitle(Texts::customize);
    setModal(false);
    setSizeGripEnabled(true);

    m_tabs->addTab(m_toolbarsPage, Texts::toolbars);
    m_tabs->addTab(m_actionsPage, Texts::actions);
    // Adding commands is what the window is opened for.
    m_tabs->setCurrentWidget(m_actionsPage);
    connect(m_closeButton, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(m_actionsPage, &CustomiseActionsPage::commandChosen, this,
            &TRibbonCustomizeDlg::addAtEnd);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(QSize(460, 480).expandedTo(sizeHint()));
}

TRibbonCustomizeDlg::~TRibbonCustomizeDlg()
{
    setCustomising(false);
}

void TRibbonCustomizeDlg::present()
{
    show();
    raise();
    activateWindow();
}

void TRibbonCustomizeDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        m_toolbarsPage->refresh();
        setCustomising(true);
    }
}

// "Close", Esc and the window's close button all hide the window; a hide by the window system
// (with its main window minimised) ends nothing.
void TRibbonCustomizeDlg::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        setCustomising(false);
    QDialog::hideEvent(event);
}

bool TRibbonCustomizeDlg::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QDialog::event(event);
}

void TRibbonCustomizeDlg::setCustomising(bool customising)
{
    if (customising == m_customising)
        return;
    m_customising = customising;
    m_list.setState(customising ? ActionManager::State::Suspended : ActionManager::State::Normal);
    m_dropTarget->setActive(customising);
}

void TRibbonCustomizeDlg::addAtEnd(const QString &command)
{
    const Command *found = m_list.command(command);
    if (!found || !m_customising)
        return;
    m_toolbar.model().addEntry(QuickAccessDropTarget::entryFor(*found));
}

} // namespace Tagovnik::Ribbon
