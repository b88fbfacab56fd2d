#include "entrypicture.h"

#include "picturecatalogue.h"

namespace Tagovnik {

namespace {

bool listHolds(ImageListId list, int index)
{
    return index >= 0 && index < pictureCount(list);
}

} // namespace

std::optional<EntryPicture> chooseEntryPicture(const EntryPictureRequest &entry)
{
    // Every command list uses its one image list for all four roles, so the
    // disabled list of a bar is the bar's own list, large or small.
    const ImageListId disabledList = entry.barList;
    if (!entry.enabled && listHolds(disabledList, entry.imageIndex))
        return EntryPicture{disabledList, entry.imageIndex, false};

    const ImageListId list =
        entry.applicationMenuEntry ? entry.barList : entry.commandList.value_or(entry.barList);
    if (!listHolds(list, entry.imageIndex))
        return std::nullopt;
    return EntryPicture{list, entry.imageIndex, !entry.enabled};
}

} // namespace Tagovnik
