// The bare engine the viewer is measured against: one QWebEngineView showing a
// page maximised, nothing else. Usage: tagovnik-baseline [FILE-OR-URL]; without
// an argument it shows index.html from the folder of the viewer it was built
// with (the parent of its own folder).
#include <QApplication>
#include <QDir>
#include <QUrl>
#include <QWebEngineView>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // Chromium refuses to start sandboxed as root; the viewer does the same.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);

    const QStringList arguments = application.arguments();
    const QString page = arguments.size() > 1
                             ? arguments.at(1)
                             : QApplication::applicationDirPath() + QStringLiteral("/../index.html");
    QWebEngineView view;
    view.load(QUrl::fromUserInput(page, QDir::currentPath(), QUrl::AssumeLocalFile));
    view.showMaximized();
    return application.exec();
}
