#pragma once

#include "imagelistid.h"

#include <QString>

namespace Tagovnik {

// Number of pictures in a list; valid indices are 0 to pictureCount() - 1.
int pictureCount(ImageListId list);

// The compiled-in SVG drawing behind a picture, or an empty string for an index
// outside the list. Lists share one drawing per subject, drawn once at every size.
QString pictureResourcePath(ImageListId list, int index);

} // namespace Tagovnik
