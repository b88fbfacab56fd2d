#pragma once

#include <QString>

#include <optional>

class QMimeData;

// What a drag out of the customise dialog or along the quick access toolbar carries: the name
// of a command, or the binding position of a toolbar entry that is being moved. Each has a
// type of its own, so that nothing else dropped on the toolbar is taken for either.
namespace Tagovnik::Ribbon::CustomiseDragData {

inline constexpr char commandType[] = "application/x-tagovnik-command";
inline constexpr char toolbarEntryType[] = "application/x-tagovnik-toolbar-entry";

QMimeData *forCommand(const QString &name);
QMimeData *forToolbarEntry(int position);

std::optional<QString> command(const QMimeData &data);
std::optional<int> toolbarEntry(const QMimeData &data);

} // namespace Tagovnik::Ribbon::CustomiseDragData
