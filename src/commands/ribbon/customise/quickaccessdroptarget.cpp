#include "ribbon/customise/quickaccessdroptarget.h"

#include "actionmanager.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/customise/customisedragdata.h"
#include "ribbon/customise/dropplacemarker.h"
#include "ribbon/model/entryforms.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace Tagovnik::Ribbon {

QuickAccessDropTarget::QuickAccessDropTarget(QuickAccessToolbarWidget &toolbar, ActionManager &list,
                                             QObject *parent)
    : QObject(parent), m_toolbar(toolbar), m_list(list), m_marker(new DropPlaceMarker(&toolbar))
{
    connect(&toolbar, &QuickAccessToolbarWidget::entriesChanged, this,
            &QuickAccessDropTarget::watchEntries);
}

QuickAccessDropTarget::~QuickAccessDropTarget()
{
    delete m_marker;
}

void QuickAccessDropTarget::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    m_toolbar.setAcceptDrops(active);
    if (active) {
        m_toolbar.installEventFilter(this);
        watchEntries();
        return;
    }
    m_toolbar.removeEventFilter(this);
    for (RibbonEntryButton *entry : m_toolbar.entries())
        entry->removeEventFilter(this);
    m_pressedEntry.clear();
    if (m_marker)
        m_marker->hide();
}

void QuickAccessDropTarget::watchEntries()
{
    if (!m_active)
        return;
    for (RibbonEntryButton *entry : m_toolbar.entries())
        entry->installEventFilter(this); // once only, however often it is called
}

QList<RibbonEntryButton *> QuickAccessDropTarget::entriesOnScreen() const
{
    QList<RibbonEntryButton *> entries;
    for (RibbonEntryButton *entry : m_toolbar.entries()) {
        if (!entry->isHidden())
            entries.append(entry);
    }
    return entries;
}

bool QuickAccessDropTarget::accepts(const QMimeData &data) const
{
    if (const std::optional<QString> name = CustomiseDragData::command(data))
        return m_list.command(*name) != nullptr;
    if (const std::optional<int> position = CustomiseDragData::toolbarEntry(data))
        return *position < m_toolbar.entries().size();
    return false;
}

ToolbarDropPlace QuickAccessDropTarget::placeAt(QPoint pos) const
{
    QList<QRect> rects;
    for (const RibbonEntryButton *entry : entriesOnScreen())
        rects.append(entry->geometry());
    const QRect end = m_toolbar.endButton()->geometry();
    const bool rightToLeft = m_toolbar.layoutDirection() == Qt::RightToLeft;
    const int emptyX = rightToLeft ? end.right() + 2 : end.left() - 1;
    return toolbarDropPlace(rects, pos.x(), emptyX, m_toolbar.layoutDirection());
}

bool QuickAccessDropTarget::drop(const QMimeData &data, QPoint pos)
{
    if (!accepts(data))
        return false;
    QuickAccessToolbarModel &model = m_toolbar.model();
    QList<int> onScreen;
    for (RibbonEntryButton *entry : entriesOnScreen())
        onScreen.append(int(m_toolbar.entries().indexOf(entry)));
    const int insert =
        bindingInsertPosition(onScreen, placeAt(pos).gap, int(model.entries().size()));

    if (const std::optional<int> from = CustomiseDragData::toolbarEntry(data)) {
        model.moveEntry(*from, bindingMoveTarget(*from, insert));
        return true;
    }
    model.insertEntry(insert, entryFor(*m_list.command(*CustomiseDragData::command(data))));
    return true;
}

EntryDefinition QuickAccessDropTarget::entryFor(const Command &command)
{
    return pictureOnlyEntry(command.caption(), command.name(), command.imageIndex());
}

bool QuickAccessDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_toolbar)
        return filterToolbarEvent(event);
    if (auto *entry = qobject_cast<RibbonEntryButton *>(watched);
        entry && m_toolbar.entries().contains(entry))
        return filterEntryEvent(entry, event);
    return QObject::eventFilter(watched, event);
}

bool QuickAccessDropTarget::filterToolbarEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!accepts(*drag->mimeData())) {
            drag->ignore();
            return true;
        }
        const bool moving = CustomiseDragData::toolbarEntry(*drag->mimeData()).has_value();
        drag->setDropAction(moving ? Qt::MoveAction : Qt::CopyAction);
        drag->accept();
        m_marker->showAt(placeAt(drag->position().toPoint()).markerX);
        return true;
    }
    case QEvent::DragLeave:
        m_marker->hide();
        return true;
    case QEvent::Drop: {
        auto *dropEvent = static_cast<QDropEvent *>(event);
        m_marker->hide();
        const bool moving = CustomiseDragData::toolbarEntry(*dropEvent->mimeData()).has_value();
        if (drop(*dropEvent->mimeData(), dropEvent->position().toPoint())) {
            dropEvent->setDropAction(moving ? Qt::MoveAction : Qt::CopyAction);
            dropEvent->accept();
        } else {
            dropEvent->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

// A press on an entry may still become a click; once the pointer travels it drags the entry.
bool QuickAccessDropTarget::filterEntryEvent(RibbonEntryButton *entry, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton) {
            m_pressedEntry = entry;
            m_pressPos = press->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (m_pressedEntry != entry || !(move->buttons() & Qt::LeftButton))
            return false;
        if ((move->position().toPoint() - m_pressPos).manhattanLength() <
            QApplication::startDragDistance())
            return false;
        dragEntry(entry);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pressedEntry.clear();
        return false;
    default:
        return false;
    }
}

void QuickAccessDropTarget::dragEntry(RibbonEntryButton *entry)
{
    m_pressedEntry.clear();
    // The button lets go of its press without a click: the drag takes the release.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), entry->mapToGlobal(QPointF(-1, -1)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(entry, &release);

    const int position = int(m_toolbar.entries().indexOf(entry));
    auto *drag = new QDrag(entry);
    drag->setMimeData(CustomiseDragData::forToolbarEntry(position));
    const QPixmap picture = entry->grab();
    drag->setPixmap(picture);
    drag->setHotSpot(m_pressPos);
    const QPointer<RibbonEntryButton> dragged(entry);
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    // Dropped anywhere but on the toolbar, the entry leaves it. A drag given up with Esc
    // ends with the button still held, and changes nothing.
    const bool givenUp = QGuiApplication::mouseButtons() & Qt::LeftButton;
    if (result == Qt::IgnoreAction && !givenUp && dragged && m_active) {
        const qsizetype index = m_toolbar.entries().indexOf(dragged);
        if (index >= 0)
            m_toolbar.model().removeEntry(int(index));
    }
}

} // namespace Tagovnik::Ribbon
