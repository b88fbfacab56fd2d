#include "Unit1.h"
#include "application.h"
#include "enginerendering.h"
#include "fixedarguments.h"
#include "startup.h"
#include "webenginesandbox.h"

using namespace Tagovnik;

int main(int argc, char *argv[])
{
    disableWebEngineSandboxWhenRoot();
    chooseEngineRendering();
    // The web engine shares its OpenGL context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Whatever was typed after the program's name is ignored.
    FixedArguments arguments(argc > 0 ? argv[0] : nullptr);
    Application application(arguments.count(), arguments.values());
    return runProgram(application, [] { return std::make_unique<TForm1>(); });
}
