#include "Unit1.h"
#include "application.h"
#include "startup.h"
#include "webenginesandbox.h"

using namespace Tagovnik;

int main(int argc, char *argv[])
{
    disableWebEngineSandboxWhenRoot();
    // The web engine shares its OpenGL context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Application application(argc, argv);
    return runProgram(application, [] { return std::make_unique<TForm1>(); });
}
