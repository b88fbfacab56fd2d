#include "Unit1.h"
#include "application.h"
#include "enginepreparation.h"
#include "fixedarguments.h"
#include "startup.h"

using namespace Tagovnik;

int main(int argc, char *argv[])
{
    prepareWebEngine();
    // Whatever was typed after the program's name is ignored.
    FixedArguments arguments(argc > 0 ? argv[0] : nullptr);
    Application application(arguments.count(), arguments.values());
    return runProgram(application, [] { return std::make_unique<TForm1>(); });
}
