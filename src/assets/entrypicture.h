#pragma once

#include "imagelistid.h"

#include <optional>

namespace Tagovnik {

// What decides the picture of one ribbon entry.
struct EntryPictureRequest
{
    // The index stored with the entry itself, which may differ from its command's.
    int imageIndex = -1;
    bool applicationMenuEntry = false;
    bool enabled = true;
    // Image list of the command list that owns the bar showing the entry.
    ImageListId barList = ImageListId::ImageList1;
    // Image list of the command list of the entry's command, if it has one.
    std::optional<ImageListId> commandList;
};

// The picture an entry draws: an index into one list, drawn at that list's size.
struct EntryPicture
{
    ImageListId list = ImageListId::ImageList1;
    int index = -1;
    // Drawn as a flat disabled silhouette instead of in its own colours.
    bool greyed = false;

    friend bool operator==(const EntryPicture &, const EntryPicture &) = default;
};

// Application-menu entries draw from the bar's list, others from their command's
// list. A disabled entry draws from the bar's list, which is also its disabled
// list, in normal colours; only when that list lacks the index does it fall back
// to a greyed picture. No picture for an index outside the chosen list.
std::optional<EntryPicture> chooseEntryPicture(const EntryPictureRequest &entry);

} // namespace Tagovnik
