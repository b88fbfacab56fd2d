#pragma once

#include "ribbon/captionbar/applicationmenuoptionbutton.h"
#include "ribbon/controls/ribbonpopup.h"
#include "ribbon/geometry/applicationmenulayout.h"
#include "ribbon/model/ribbonstructure.h"

#include <QAbstractButton>
#include <QList>
#include <QWidget>

namespace Tagovnik::Ribbon {

class RibbonContext;
class RibbonEntryButton;

// The pop-up of the application button: the command rows on the left, the heading over the
// recent list on the right and the option buttons along the bottom. Choosing anything closes
// the menu first, then runs the command (choose()).
class ApplicationMenuPopup : public RibbonPopup
{
    Q_OBJECT

public:
    ApplicationMenuPopup(RibbonContext &context, const ApplicationMenuDefinition &menu,
                         QWidget *parent = nullptr);

    // Hangs the menu from the application button, kept inside the work area of its screen.
    void popup(const QRect &applicationButtonOnScreen);

    // The rows of the left column, separators left out.
    const QList<RibbonEntryButton *> &entries() const { return m_entries; }
    const QList<QAbstractButton *> &optionButtons() const { return m_optionButtons; }
    QString heading() const { return m_menu.caption; }
    const ApplicationMenuLayout &menuLayout() const { return m_layout; }

Q_SIGNALS:
    // The second click of a double-click on the application button reached the open menu.
    void applicationButtonDoubleClicked();

protected:
    // The application button under the menu, round as it is drawn.
    bool pressHitsOwner(const QPoint &globalPos) const override;
    void ownerPressed(bool secondClick) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ApplicationMenuLayout layoutFor(const QRect &applicationButtonOnScreen,
                                    const QRect &workArea) const;
    void arrange();

    RibbonContext &m_context;
    ApplicationMenuDefinition m_menu;
    QList<RibbonEntryButton *> m_entries;
    QList<QAbstractButton *> m_optionButtons;
    // Per definition entry: its row, or nullptr for a separator.
    QList<RibbonEntryButton *> m_rows;
    ApplicationMenuLayout m_layout;
    QRect m_applicationButton; // on screen, while the menu is up
};

} // namespace Tagovnik::Ribbon
