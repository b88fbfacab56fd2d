#include "imagelistid.h"

using namespace Qt::StringLiterals;

namespace Tagovnik {

QString imageListName(ImageListId list)
{
    switch (list) {
    case ImageListId::ImageList1:
        return u"ImageList1"_s;
    case ImageListId::ImageList2:
        return u"ImageList2"_s;
    case ImageListId::ImageList3:
        return u"ImageList3"_s;
    }
    return {};
}

} // namespace Tagovnik
