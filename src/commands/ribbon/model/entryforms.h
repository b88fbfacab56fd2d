#pragma once

#include "ribbon/model/ribbonstructure.h"

#include <QStringView>

// The common forms of an entry, so that a definition reads as its binding table does.
namespace Tagovnik::Ribbon {

// An entry for a command, its caption shown; the caption is the command's with the access
// mark the entry adds.
inline EntryDefinition commandEntry(QStringView caption, QStringView command, int imageIndex = -1)
{
    EntryDefinition entry;
    entry.caption = caption.toString();
    entry.command = command.toString();
    entry.imageIndex = imageIndex;
    return entry;
}

// An entry that shows its picture alone, as on the quick access toolbar.
inline EntryDefinition pictureOnlyEntry(QStringView caption, QStringView command, int imageIndex)
{
    EntryDefinition entry = commandEntry(caption, command, imageIndex);
    entry.showCaption = false;
    return entry;
}

inline EntryDefinition separator()
{
    EntryDefinition entry;
    entry.caption = QStringLiteral("-");
    return entry;
}

} // namespace Tagovnik::Ribbon
