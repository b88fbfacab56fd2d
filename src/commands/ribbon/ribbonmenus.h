#pragma once

#include "ribbon/interaction/ribbonmenurows.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

namespace Tagovnik::Ribbon {

class QuickAccessToolbarModel;
class QuickAccessToolbarWidget;
class RibbonContext;

// The parts of the ribbon that its menus look at and change.
struct RibbonMenuHost
{
    QWidget *ribbon = nullptr; // holds the menus
    RibbonContext *context = nullptr;
    QuickAccessToolbarModel *model = nullptr;
    QuickAccessToolbarWidget *toolbar = nullptr;
    const QWidget *helpButton = nullptr;
    std::function<bool()> isMinimised;
    std::function<bool()> isCaptionOnly;
};

// The ribbon's menus: the context menu for a right-click on the ribbon, and the quick access
// toolbar's drop-down menu and overflow pop-up behind its end button. It works out what was
// clicked, asks the rules for the rows, and carries out the chosen row: on the toolbar's model
// itself, or by asking the ribbon through its signals.
class RibbonMenus : public QObject
{
    Q_OBJECT

public:
    RibbonMenus(RibbonMenuHost host, QObject *parent);

    RibbonMenuState state() const;
    // What a right-click on `clicked` (a widget of the ribbon or of its dropped page) hit.
    ClickedTarget targetOf(const QWidget *clicked) const;

    // Both open at the pointer or below the end button and return at once.
    void openContextMenu(QWidget *clicked, const QPoint &globalPos);
    void openDropDownMenu();
    // The end button's press: the pop-up of entries out of sight, or else the drop-down menu.
    void openFromEndButton();

Q_SIGNALS:
    void customizeRequested();
    void minimiseToggleRequested();

private:
    void run(const MenuRow &row, QWidget *clicked);

    RibbonMenuHost m_host;
};

} // namespace Tagovnik::Ribbon
