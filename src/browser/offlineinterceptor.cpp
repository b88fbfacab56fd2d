#include "offlineinterceptor.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace Tagovnik {

bool OfflineInterceptor::isLocal(const QUrl &url)
{
    // An allow-list: a scheme we do not know might reach the network.
    static const QStringList localSchemes = {u"file"_s,   u"qrc"_s,      u"data"_s,
                                             u"blob"_s,   u"about"_s,    u"chrome-error"_s,
                                             u"chrome"_s, u"devtools"_s, u"view-source"_s};
    return localSchemes.contains(url.scheme());
}

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (m_offline && !isLocal(info.requestUrl()))
        info.block(true);
}

} // namespace Tagovnik
