#include "application.h"

#include "error.h"
#include "errorreport.h"

using namespace Qt::StringLiterals;

namespace Tagovnik {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"tagovnik"_s);
    setApplicationVersion(u"2.1"_s);
    // Desktop shells match the window to tagovnik.desktop for its icon and name.
    setDesktopFileName(u"tagovnik"_s);
}

QString Application::title()
{
    return u"Tagovnik 2.1"_s;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error &error) {
        reportError(error.message());
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
    return true;
}

} // namespace Tagovnik
