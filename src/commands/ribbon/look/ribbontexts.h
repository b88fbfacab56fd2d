#pragma once

#include <QString>

// The ribbon's fixed English texts, all in one place: what the toolkit's own window menu,
// buttons, menus, customise window and errors call themselves. The program's Czech texts stand
// in the window's definition instead.
namespace Tagovnik::Ribbon::Texts {

using namespace Qt::StringLiterals;

// The window menu, and the names of the window's buttons.
inline const QString restore = u"Restore"_s;
inline const QString move = u"Move"_s;
inline const QString size = u"Size"_s;
inline const QString minimize = u"Minimize"_s;
inline const QString maximize = u"Maximize"_s;
inline const QString close = u"Close"_s;
inline const QString systemMenu = u"System Menu"_s;

inline const QString help = u"Help"_s;
inline const QString scrollLeft = u"Scroll left"_s;
inline const QString scrollRight = u"Scroll right"_s;

// The quick access toolbar and its end button.
inline const QString quickAccessToolbar = u"Quick Access Toolbar"_s;
inline const QString customizeQuickAccessToolbar = u"Customize Quick Access Toolbar"_s;
inline const QString moreControls = u"More Controls"_s;

// The ribbon's context menu.
inline const QString addToQuickAccessToolbar = u"Add to Quick Access Toolbar"_s;
inline const QString removeFromQuickAccessToolbar = u"Remove from Quick Access Toolbar"_s;
inline const QString customizeQuickAccessToolbarEllipsis = u"Customize Quick Access Toolbar..."_s;
inline const QString showQuickAccessToolbarBelow = u"Show Quick Access Toolbar Below the Ribbon"_s;
inline const QString showQuickAccessToolbarAbove = u"Show Quick Access Toolbar Above the Ribbon"_s;
inline const QString minimizeTheRibbon = u"Minimize the Ribbon"_s;

// The quick access toolbar's drop-down menu (its heading is customizeQuickAccessToolbarEllipsis).
inline const QString moreCommands = u"More Commands..."_s;
inline const QString showBelowTheRibbon = u"Show Below the Ribbon"_s;
inline const QString showAboveTheRibbon = u"Show Above the Ribbon"_s;

// The customise window.
inline const QString customize = u"Customize"_s;
inline const QString toolbars = u"Toolbars"_s;
inline const QString actions = u"Actions"_s;
inline const QString noCategory = u"(No Category)"_s;
inline const QString allActions = u"(All Actions)"_s;
inline const QString toolbarsLabel = u"Toolb&ars:"_s;
inline const QString categoriesLabel = u"Cate&gories:"_s;
inline const QString actionsLabel = u"Ac&tions:"_s;
inline const QString description = u"Description"_s;
inline const QString dragHint = u"To add an action to the Quick Access Toolbar, drag it there "
                                u"or double-click it."_s;

// Errors of the ribbon.
inline const QString exceptionKind = u"Exception"_s;
inline const QString onlyOneRibbon = u"Only one Ribbon control on a Form is allowed"_s;
inline const QString invalidTabIndex = u"Specified TabIndex is invalid"_s;

} // namespace Tagovnik::Ribbon::Texts
