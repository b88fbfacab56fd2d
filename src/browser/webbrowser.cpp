#include "webbrowser.h"

#include "error.h"
#include "errorboundary.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace Tagovnik {

WebBrowser::WebBrowser(QWidget *parent)
    // An off-the-record profile of our own: the program stores nothing between runs.
    : QWidget(parent), m_profile(new QWebEngineProfile(this)), m_view(new QWebEngineView(this))
{
    setObjectName(u"WebBrowser1"_s);
    m_profile->setUrlRequestInterceptor(&m_offlineInterceptor);
    m_view->setPage(new QWebEnginePage(m_profile, m_view));
    connect(m_view, &QWebEngineView::printFinished, this, &WebBrowser::printFinished);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);
    setFocusPolicy(Qt::StrongFocus);
}

WebBrowser::~WebBrowser()
{
    // The page must go before the profile it was made with.
    delete m_view;
}

QUrl WebBrowser::urlForAddress(const QString &address)
{
    if (QDir::isAbsolutePath(address))
        return QUrl::fromLocalFile(address);
    const QUrl url(address, QUrl::StrictMode);
    const bool needsHost = url.scheme() == u"http"_s || url.scheme() == u"https"_s;
    if (url.isValid() && !url.isRelative() && !(needsHost && url.host().isEmpty()))
        return url;
    throw EOleException(
        u"The address \"%1\" is neither an absolute file path nor an absolute web address"_s.arg(
            address),
        ResultCode::invalidArgument);
}

void WebBrowser::navigate(const QString &address)
{
    m_view->load(urlForAddress(address));
}

// Back or forward with no such page is reported as an error, like any failed
// call of the engine.
void WebBrowser::goBack()
{
    if (!m_view->history()->canGoBack())
        throw EOleException(u"There is no earlier page in the history"_s,
                            ResultCode::unspecifiedFailure);
    m_view->back();
}

void WebBrowser::goForward()
{
    if (!m_view->history()->canGoForward())
        throw EOleException(u"There is no later page in the history"_s,
                            ResultCode::unspecifiedFailure);
    m_view->forward();
}

void WebBrowser::refresh()
{
    m_view->reload();
}

void WebBrowser::stop()
{
    m_view->stop();
}

void WebBrowser::setOffline(bool offline)
{
    m_offlineInterceptor.setOffline(offline);
}

void WebBrowser::printPage(QPrinter &printer)
{
    m_view->print(&printer);
}

bool WebBrowser::claimsKey(const QKeyEvent &event) const
{
    if (!isAncestorOf(QApplication::focusWidget()))
        return false;
    static constexpr QKeySequence::StandardKey editingKeys[] = {
        QKeySequence::Copy, QKeySequence::Cut,  QKeySequence::Paste,
        QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll,
    };
    for (QKeySequence::StandardKey key : editingKeys) {
        if (event.matches(key))
            return true;
    }
    return false;
}

// The engine calls this back when the print job ends: the failure is reported
// here, never thrown back into the engine.
void WebBrowser::printFinished(bool success)
{
    if (!success)
        ErrorBoundary::report(u"The page could not be printed"_s);
}

} // namespace Tagovnik
