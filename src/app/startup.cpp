#include "startup.h"

#include "Unit1.h"
#include "application.h"
#include "startupreport.h"

namespace Tagovnik {

int runProgram(Application &application,
               const std::function<std::unique_ptr<TForm1>()> &createMainWindow)
{
    std::unique_ptr<TForm1> mainWindow;
    try {
        mainWindow = createMainWindow();
        mainWindow->showOnStart();
    } catch (const std::exception &error) {
        showFatalStartupReport(error);
        return 1;
    }
    return application.exec();
}

} // namespace Tagovnik
