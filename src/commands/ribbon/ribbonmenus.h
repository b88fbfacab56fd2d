#pragma once

#include "ribbon/interaction/ribbonmenurows.h"

#include <QObject>
#include <QPoint>

class QWidget;

namespace Tagovnik::Ribbon {

class RibbonBar;
class RibbonMenu;

// The ribbon's menus: the context menu for a right-click on the ribbon, and the quick access
// toolbar's drop-down menu and overflow pop-up behind its end button. It works out what was
// clicked, asks the rules for the rows, and carries out the chosen row on the ribbon.
class RibbonMenus : public QObject
{
    Q_OBJECT

public:
    explicit RibbonMenus(RibbonBar &ribbon);

    RibbonMenuState state() const;
    // What a right-click on `clicked` (a widget of the ribbon or of its dropped page) hit.
    ClickedTarget targetOf(const QWidget *clicked) const;

    // Both open at the pointer or below the end button and return at once.
    RibbonMenu *openContextMenu(QWidget *clicked, const QPoint &globalPos);
    RibbonMenu *openDropDownMenu();
    // The end button's press: the pop-up of entries out of sight, or else the drop-down menu.
    QWidget *openFromEndButton();

private:
    void run(const MenuRow &row, QWidget *clicked);

    RibbonBar &m_ribbon;
};

} // namespace Tagovnik::Ribbon
