#include "heaptrim.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Tagovnik {

HeapTrim::HeapTrim(int quietMs, QObject *parent) : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        trimNow();
        Q_EMIT trimmed();
    });
}

void HeapTrim::afterPageLoad()
{
    m_quiet.start();
}

bool HeapTrim::trimNow()
{
#if defined(__GLIBC__)
    // Every arena, not only the main thread's: the engine's threads keep their own.
    malloc_trim(0);
    return true;
#else
    return false;
#endif
}

} // namespace Tagovnik
