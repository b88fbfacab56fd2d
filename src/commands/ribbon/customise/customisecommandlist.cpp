#include "ribbon/customise/customisecommandlist.h"

#include "ribbon/customise/customisedragdata.h"

#include <QDrag>
#include <QKeyEvent>
#include <QPainter>

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

// The drag shows the command small, beside and below the pointer, so that the toolbar and the
// marked drop place stay in sight.
void CustomiseCommandList::startDrag(Qt::DropActions supportedActions)
{
    const QListWidgetItem *item = currentItem();
    if (!item || !item->isSelected())
        return;
    const QFontMetrics metrics(font());
    const QString caption = item->text();
    const QSize size(4 + 16 + 4 + metrics.horizontalAdvance(caption) + 6,
                     qMax(20, metrics.height() + 4));
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
        item->icon().paint(&painter, QRect(4, (size.height() - 16) / 2, 16, 16));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(24, 0, size.width() - 24, size.height()), Qt::AlignVCenter,
                         caption);
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData({const_cast<QListWidgetItem *>(item)}));
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(-12, -14));
    drag->exec(supportedActions & Qt::CopyAction ? Qt::CopyAction : supportedActions);
}

} // namespace Tagovnik::Ribbon
