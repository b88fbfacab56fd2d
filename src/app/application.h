#pragma once

#include <QApplication>

namespace Tagovnik {

class Error;

// The application object. Every error that escapes the handling of an event is
// shown in the error report box, and the program goes on with the next event.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    // The title of error report boxes; the window caption is the main window's own.
    static QString title();

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace Tagovnik
