#include "ribbon/customise/customisecommandlist.h"

#include "ribbon/customise/customisedragdata.h"

#include <QKeyEvent>

namespace Tagovnik::Ribbon {

CustomiseCommandList::CustomiseCommandList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        Q_EMIT commandChosen(item->data(commandRole).toString());
    });
}

QString CustomiseCommandList::commandAt(int row) const
{
    const QListWidgetItem *found = item(row);
    return found ? found->data(commandRole).toString() : QString();
}

QStringList CustomiseCommandList::mimeTypes() const
{
    return {QString::fromLatin1(CustomiseDragData::commandType)};
}

QMimeData *CustomiseCommandList::mimeData(const QList<QListWidgetItem *> &items) const
{
    if (items.isEmpty())
        return nullptr;
    return CustomiseDragData::forCommand(items.constFirst()->data(commandRole).toString());
}

// A command dragged out stays in the list: the toolbar gets a new entry for it.
Qt::DropActions CustomiseCommandList::supportedDropActions() const
{
    return Qt::CopyAction;
}

void CustomiseCommandList::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (const QListWidgetItem *item = currentItem(); item && item->isSelected()) {
            Q_EMIT commandChosen(item->data(commandRole).toString());
            event->accept();
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}

} // namespace Tagovnik::Ribbon
