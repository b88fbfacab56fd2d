#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

namespace Tagovnik {

// While offline, refuses every request that would leave the machine; pages from
// local files and the engine's own internal pages still load.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setOffline(bool offline) { m_offline = offline; }
    bool isOffline() const { return m_offline; }

    static bool isLocal(const QUrl &url);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    std::atomic_bool m_offline = false;
};

} // namespace Tagovnik
