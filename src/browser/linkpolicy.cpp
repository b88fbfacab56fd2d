#include "linkpolicy.h"

#include <QStringList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace Tagovnik::LinkPolicy {

bool isRemote(const QUrl &page)
{
    static const QStringList networkSchemes = {u"http"_s, u"https"_s, u"ftp"_s, u"ws"_s,
                                               u"wss"_s};
    return networkSchemes.contains(page.scheme());
}

Route routeFor(const QUrl &target, const QUrl &shownPage, bool pageInitiated)
{
    static const QStringList shownByEngine = {u"http"_s, u"https"_s, u"file"_s, u"data"_s,
                                              u"blob"_s, u"about"_s, u"qrc"_s};
    // The engine's own inner pages are not for links to open.
    static const QStringList engineInternal = {u"chrome"_s, u"chrome-error"_s, u"devtools"_s,
                                               u"view-source"_s, u"javascript"_s};
    const QString scheme = target.scheme();
    if (scheme == u"file"_s && pageInitiated && isRemote(shownPage))
        return Route::Refused;
    if (shownByEngine.contains(scheme))
        return Route::Engine;
    if (engineInternal.contains(scheme))
        return pageInitiated ? Route::Refused : Route::Engine;
    if (scheme.isEmpty())
        return Route::Refused;
    return Route::Desktop;
}

} // namespace Tagovnik::LinkPolicy
