#include "enginepreparation.h"

#include "enginerendering.h"
#include "webenginesandbox.h"

#include <QCoreApplication>

namespace Tagovnik {

void prepareWebEngine()
{
    disableWebEngineSandboxWhenRoot();
    chooseEngineRendering();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace Tagovnik
