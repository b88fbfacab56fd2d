#pragma once

#include <QString>

namespace Tagovnik {

// The picture lists of the three command lists, in command-list order.
enum class ImageListId { ImageList1, ImageList2, ImageList3 };

// Edge of a list's square pictures in device-independent pixels.
constexpr int pictureExtent(ImageListId list)
{
    switch (list) {
    case ImageListId::ImageList1:
        return 16;
    case ImageListId::ImageList2:
        return 24;
    case ImageListId::ImageList3:
        return 50;
    }
    return 0;
}

// The component name, "ImageList1" ... "ImageList3".
QString imageListName(ImageListId list);

} // namespace Tagovnik
