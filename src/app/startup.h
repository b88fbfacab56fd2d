#pragma once

#include <functional>
#include <memory>

namespace Tagovnik {

class Application;
class TForm1;

// Builds the main window, shows it and runs the event loop until it is closed.
// An error that escapes building or first showing the window ends the program
// with the fatal start-up report and exit code 1.
int runProgram(Application &application,
               const std::function<std::unique_ptr<TForm1>()> &createMainWindow);

} // namespace Tagovnik
