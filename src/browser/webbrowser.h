#pragma once

#include "browserpane.h"
#include "offlineinterceptor.h"
#include "printablepage.h"

#include <QWidget>

class QKeyEvent;
class QWebEngineProfile;
class QWebEngineView;

namespace Tagovnik {

// The browser pane: the web engine's view, driven through the six operations of
// BrowserPane. Everything else (links, history, selection, its context menu and
// keys) is the engine's own behaviour.
class WebBrowser : public QWidget, public BrowserPane, public PrintablePage
{
    Q_OBJECT

public:
    explicit WebBrowser(QWidget *parent = nullptr);
    ~WebBrowser() override;

    void navigate(const QString &address) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    void setOffline(bool offline) override;

    void printPage(QPrinter &printer) override;

    // Whether the engine takes this key for itself while the pane has the focus:
    // its editing keys (copy, cut, paste, undo, redo, select all).
    bool claimsKey(const QKeyEvent &event) const;

    // For tests and the window: the engine's view inside the pane.
    QWebEngineView *view() const { return m_view; }

    // A plain path becomes a file URL; an absolute URL stays as it is; anything
    // else is refused with an error.
    static QUrl urlForAddress(const QString &address);

private:
    void printFinished(bool success);

    QWebEngineProfile *m_profile;
    OfflineInterceptor m_offlineInterceptor;
    QWebEngineView *m_view;
};

} // namespace Tagovnik
