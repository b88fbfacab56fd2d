#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Tagovnik::Ribbon {

// One line of the customise dialog's category list and the commands it lists, as positions in
// the command list.
struct ActionCategory
{
    QString caption;
    QList<int> commands;

    bool operator==(const ActionCategory &) const = default;
};

// The categories of a command list's commands (given in list order) in the order in which each
// first appears, commands without one under "(No Category)", and "(All Actions)" with every
// command always last.
QList<ActionCategory> actionCategories(const QStringList &commandCategories);

} // namespace Tagovnik::Ribbon
