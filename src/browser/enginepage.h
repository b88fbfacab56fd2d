#pragma once

#include <QWebEnginePage>

namespace Tagovnik {

// The engine's page as the pane uses it: every navigation passes the link
// policy; schemes the engine cannot show go to the desktop's handler.
class EnginePage : public QWebEnginePage
{
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;

    // Asks the desktop to open the address, and reports when it cannot. Runs
    // after the engine's callback has returned.
    void handToDesktop(const QUrl &url);

Q_SIGNALS:
    // A navigation of the main frame to a page other than one the pane made
    // itself from text was let through.
    void pageNavigationAccepted(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};

} // namespace Tagovnik
