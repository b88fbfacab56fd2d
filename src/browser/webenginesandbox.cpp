#include "webenginesandbox.h"

#include <QByteArray>

#include <unistd.h>

namespace Tagovnik {

void disableWebEngineSandboxWhenRoot()
{
    // Only root loses the sandbox: every other user keeps the engine's protection.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
}

} // namespace Tagovnik
