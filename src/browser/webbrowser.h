#pragma once

#include "browserpane.h"
#include "crashpage.h"
#include "heaptrim.h"
#include "offlineinterceptor.h"
#include "panekeys.h"
#include "printablepage.h"
#include "repainthold.h"

#include <QWidget>

#include <functional>

class QKeyEvent;
class QMenu;
class QShortcut;
class QWebEngineDownloadRequest;
class QWebEngineNewWindowRequest;
class QWebEngineProfile;
class QWebEngineView;

namespace Tagovnik {

class EnginePage;
class FindBar;
class LoadingProgressLine;
class PaneNotice;

// The browser pane: the web engine's view, driven through the six operations of
// BrowserPane, with what a reader expects of a browser around it: find in page,
// zoom, a context menu of working entries, new-window links opened in place,
// downloads saved where the user chooses, and a page that says when the
// renderer died.
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

    // Refused with an error while no page with a live renderer is shown: after
    // the renderer died, until a page has loaded again.
    void printPage(QPrinter &printer) override;
    bool hasLivePage() const;

    // Whether the pane takes this key for itself while it has the focus: the
    // engine's editing keys (copy, cut, paste, undo, redo, select all), find and zoom.
    bool claimsKey(const QKeyEvent &event) const;

    // Find in page.
    void openFindBar();
    void closeFindBar();
    void findNext();
    void findPrevious();
    FindBar *findBar() const { return m_findBar; }

    // Zoom, one step at a time between 25% and 500%; it holds for every page
    // of the run.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    double zoom() const { return m_zoom; }
    PaneNotice *zoomNotice() const { return m_zoomNotice; }

    // The context menu for the spot the engine last reported; the caller owns it.
    QMenu *createContextMenu();

    // Where a download is saved: given the suggested path, returns the chosen
    // one, or nothing to cancel. A save dialog unless replaced.
    using SaveLocationChooser = std::function<QString(const QString &suggestedPath)>;
    void setSaveLocationChooser(SaveLocationChooser chooser);
    PaneNotice *downloadNotice() const { return m_downloadNotice; }

    LoadingProgressLine *progressLine() const { return m_progressLine; }
    bool isShowingCrashPage() const { return m_crashRecovery.isShowingCrashPage(); }

    // For tests and the window: the engine's view inside the pane.
    QWebEngineView *view() const { return m_view; }

    // A plain path becomes a file URL; an absolute URL stays as it is; anything
    // else is refused with an error.
    static QUrl urlForAddress(const QString &address);

Q_SIGNALS:
    // The context menu's "Print..." was chosen: the window opens its print dialog.
    void printRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createShortcuts();
    void runKeyAction(PaneKeys::Action action);
    void search(const QString &text, bool backward);
    void setZoom(double factor);
    void showContextMenu(const QPoint &position);
    void openNewWindowRequest(QWebEngineNewWindowRequest &request);
    void rendererTerminated(int status);
    void saveDownload(QWebEngineDownloadRequest *download);
    void followDownload(QWebEngineDownloadRequest *download);
    void printFinished(bool success);

    QWebEngineProfile *m_profile;
    OfflineInterceptor m_offlineInterceptor;
    QWebEngineView *m_view;
    EnginePage *m_page;
    FindBar *m_findBar;
    PaneNotice *m_zoomNotice;
    PaneNotice *m_downloadNotice;
    LoadingProgressLine *m_progressLine;
    QShortcut *m_closeFindShortcut = nullptr;
    SaveLocationChooser m_chooseSaveLocation;
    CrashRecovery m_crashRecovery;
    double m_zoom = 1.0;
    bool m_rendererLost = false;
    RepaintHold m_repaintHold;
    HeapTrim m_heapTrim;
};

} // namespace Tagovnik
