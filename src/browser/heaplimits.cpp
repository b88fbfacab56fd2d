#include "heaplimits.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Tagovnik {

bool keepLargeBlocksOutOfTheHeap()
{
#if defined(__GLIBC__)
    // 128 KiB is the library's own starting value; setting it explicitly is
    // what stops it from moving.
    constexpr int mappedFrom = 128 * 1024;
    return mallopt(M_MMAP_THRESHOLD, mappedFrom) == 1;
#else
    return false;
#endif
}

} // namespace Tagovnik
