#include "ribbon/customise/customisedragdata.h"

#include <QMimeData>

namespace Tagovnik::Ribbon::CustomiseDragData {

QMimeData *forCommand(const QString &name)
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(commandType), name.toUtf8());
    return data;
}

QMimeData *forToolbarEntry(int position)
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(toolbarEntryType), QByteArray::number(position));
    return data;
}

std::optional<QString> command(const QMimeData &data)
{
    const QString type = QString::fromLatin1(commandType);
    if (!data.hasFormat(type))
        return std::nullopt;
    const QString name = QString::fromUtf8(data.data(type));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<int> toolbarEntry(const QMimeData &data)
{
    const QString type = QString::fromLatin1(toolbarEntryType);
    if (!data.hasFormat(type))
        return std::nullopt;
    bool ok = false;
    const int position = data.data(type).toInt(&ok);
    if (!ok || position < 0)
        return std::nullopt;
    return position;
}

} // namespace Tagovnik::Ribbon::CustomiseDragData
