#pragma once

#include <QApplication>

namespace Tagovnik {

// The application object. It installs the error report box as the reporter of
// the error boundary: every error that escapes the handling of an event is
// shown there, and the program goes on with the next event.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // The title of error report boxes; the window caption is the main window's own.
    static QString title();

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace Tagovnik
