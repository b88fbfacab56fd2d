#pragma once

#include "ribbon/customise/dropplacemarker.h"
#include "ribbon/customise/toolbardropplace.h"
#include "ribbon/model/ribbonstructure.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QMimeData;

namespace Tagovnik {
class ActionManager;
class Command;
} // namespace Tagovnik

namespace Tagovnik::Ribbon {

class QuickAccessToolbarWidget;
class RibbonEntryButton;

// While the ribbon is customised, the quick access toolbar takes commands of its own command
// list dropped on it, each as a new entry at the place where it was dropped, and its entries
// can be dragged along it to move them or off it to remove them. The place a drop would take
// is marked while dragging. Inactive, the toolbar takes no drops and its entries do not drag.
class QuickAccessDropTarget : public QObject
{
    Q_OBJECT

public:
    QuickAccessDropTarget(QuickAccessToolbarWidget &toolbar, ActionManager &list,
                          QObject *parent = nullptr);
    ~QuickAccessDropTarget() override;

    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Whether the toolbar would take this drag: a command of its list, or one of its own
    // entries.
    bool accepts(const QMimeData &data) const;
    // The place for a drop at `pos` (toolbar coordinates).
    ToolbarDropPlace placeAt(QPoint pos) const;
    // Carries out a drop at `pos`; false when the data is not taken.
    bool drop(const QMimeData &data, QPoint pos);

    DropPlaceMarker *marker() const { return m_marker; }

    // The new toolbar entry for a command: a plain button with the command's caption and
    // picture.
    static EntryDefinition entryFor(const Command &command);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterToolbarEvent(QEvent *event);
    bool filterEntryEvent(RibbonEntryButton *entry, QEvent *event);
    void watchEntries();
    void dragEntry(RibbonEntryButton *entry);
    QList<RibbonEntryButton *> entriesOnScreen() const;

    QuickAccessToolbarWidget &m_toolbar;
    ActionManager &m_list;
    QPointer<DropPlaceMarker> m_marker;
    bool m_active = false;
    QPointer<RibbonEntryButton> m_pressedEntry;
    QPoint m_pressPos;
};

} // namespace Tagovnik::Ribbon
