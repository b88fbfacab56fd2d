#include "enginepage.h"

#include "errorboundary.h"
#include "linkpolicy.h"

#include <QDesktopServices>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Tagovnik {

void EnginePage::handToDesktop(const QUrl &url)
{
    QTimer::singleShot(0, this, [url] {
        ErrorBoundary::run([&] {
            if (!QDesktopServices::openUrl(url))
                ErrorBoundary::report(
                    u"Adresu „%1“ se nepodařilo předat programu, který ji otevírá"_s.arg(
                        url.toDisplayString()));
        });
    });
}

bool EnginePage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    bool accepted = false;
    ErrorBoundary::run([&] {
        const bool pageInitiated =
            type != NavigationTypeTyped && type != NavigationTypeBackForward &&
            type != NavigationTypeReload;
        switch (LinkPolicy::routeFor(url, this->url(), pageInitiated)) {
        case LinkPolicy::Route::Engine:
            accepted = true;
            if (isMainFrame && url.scheme() != u"data"_s)
                Q_EMIT pageNavigationAccepted(url);
            break;
        case LinkPolicy::Route::Desktop:
            handToDesktop(url);
            break;
        case LinkPolicy::Route::Refused:
            break;
        }
    });
    return accepted;
}

} // namespace Tagovnik
