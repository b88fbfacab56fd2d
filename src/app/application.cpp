#include "application.h"

#include "errorboundary.h"
#include "errorreport.h"

using namespace Qt::StringLiterals;

namespace Tagovnik {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"tagovnik"_s);
    setApplicationVersion(u"2.1"_s);
    // Desktop shells match the window to tagovnik.desktop for its icon and name.
    setDesktopFileName(u"tagovnik"_s);
    ErrorBoundary::setReporter(reportError);
}

Application::~Application()
{
    ErrorBoundary::setReporter({});
}

QString Application::title()
{
    return u"Tagovnik 2.1"_s;
}

// Every place where Qt hands the program an event runs its work through the
// error boundary; this is the last net for an error that got past one anyway.
bool Application::notify(QObject *receiver, QEvent *event)
{
    bool result = true;
    ErrorBoundary::run([&] { result = QApplication::notify(receiver, event); });
    return result;
}

} // namespace Tagovnik
