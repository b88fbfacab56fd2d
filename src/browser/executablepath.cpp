#include "executablepath.h"

#include <QFile>

namespace Tagovnik {

QString currentExecutablePath()
{
    // /proc/self/exe is the kernel's own record of the image this process runs.
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

} // namespace Tagovnik
