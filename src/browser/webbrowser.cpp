#include "webbrowser.h"

#include "contextmenurows.h"
#include "downloadstatus.h"
#include "enginepage.h"
#include "error.h"
#include "errorboundary.h"
#include "findbar.h"
#include "findstatus.h"
#include "linkpolicy.h"
#include "loadingprogressline.h"
#include "panenotice.h"
#include "zoomsteps.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace Tagovnik {

namespace {

constexpr int zoomNoticeTime = 1500;
constexpr int downloadNoticeTime = 4000;
// Longest that a navigation holds the window's repaints back.
constexpr int repaintHoldLimit = 150;
// How long after the last page load the freed heap goes back to the system.
constexpr int heapTrimQuiet = 2000;

QString chooseWithSaveDialog(QWidget *parent, const QString &suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, u"Uložit soubor"_s, suggestedPath);
}

} // namespace

WebBrowser::WebBrowser(QWidget *parent)
    // An off-the-record profile of our own: the program stores nothing between runs.
    : QWidget(parent), m_profile(new QWebEngineProfile(this)), m_view(new QWebEngineView(this)),
      m_page(new EnginePage(m_profile, m_view)), m_findBar(new FindBar(this)),
      m_zoomNotice(new PaneNotice(Qt::AlignTop | Qt::AlignRight, this)),
      m_downloadNotice(new PaneNotice(Qt::AlignBottom | Qt::AlignLeft, this)),
      m_progressLine(new LoadingProgressLine(this)),
      m_chooseSaveLocation([this](const QString &path) { return chooseWithSaveDialog(this, path); }),
      m_heapTrim(heapTrimQuiet)
{
    setObjectName(u"WebBrowser1"_s);
    m_view->installEventFilter(this);
    m_view->setPage(m_page);
    for (QWidget *child : m_view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(m_view, &QWebEngineView::printFinished, this, &WebBrowser::printFinished);
    connect(m_view, &QWebEngineView::customContextMenuRequested, this,
            &WebBrowser::showContextMenu);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                rendererTerminated(status);
            });
    connect(m_page, &EnginePage::pageNavigationAccepted, this,
            [this] { m_crashRecovery.pageShown(); });
    connect(m_page, &QWebEnginePage::newWindowRequested, this,
            &WebBrowser::openNewWindowRequest);
    connect(m_page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult &result) {
                m_findBar->setStatus(FindStatus::text(m_findBar->text(), result.activeMatch(),
                                                      result.numberOfMatches()));
            });
    connect(m_page, &QWebEnginePage::loadStarted, m_progressLine, &LoadingProgressLine::start);
    connect(m_page, &QWebEnginePage::loadProgress, m_progressLine,
            &LoadingProgressLine::setProgress);
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_progressLine->finish();
        if (ok && !m_crashRecovery.isShowingCrashPage())
            m_rendererLost = false;
        // The zoom holds for the whole run, whatever the engine keeps per site.
        if (!qFuzzyCompare(m_page->zoomFactor(), m_zoom))
            m_page->setZoomFactor(m_zoom);
        m_heapTrim.afterPageLoad();
    });
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [this](QWebEngineDownloadRequest *download) {
                ErrorBoundary::run([&] { saveDownload(download); });
            });

    connect(m_findBar, &FindBar::textChanged, this,
            [this](const QString &text) { search(text, false); });
    connect(m_findBar, &FindBar::nextRequested, this, &WebBrowser::findNext);
    connect(m_findBar, &FindBar::previousRequested, this, &WebBrowser::findPrevious);
    connect(m_findBar, &FindBar::closeRequested, this, &WebBrowser::closeFindBar);
    m_findBar->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_findBar);
    setFocusProxy(m_view);
    setFocusPolicy(Qt::StrongFocus);
    createShortcuts();
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
    const QUrl url = urlForAddress(address);
    // The engine starts the navigation on this thread: the repaints the command
    // caused wait for the new page's frame (or its end, or a short limit).
    m_repaintHold.hold(window(), m_view->focusProxy(), repaintHoldLimit);
    m_view->load(url);
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
    // Refreshing the crash page means loading the page it stands for.
    if (m_crashRecovery.isShowingCrashPage() && m_crashRecovery.lostPage().isValid())
        m_view->load(m_crashRecovery.lostPage());
    else
        m_view->reload();
}

void WebBrowser::stop()
{
    m_view->stop();
}

void WebBrowser::setOffline(bool offline)
{
    m_offlineInterceptor.setOffline(offline);
    // Installed only while offline: the engine hands every request of every page to an
    // interceptor on this thread, where it waits behind whatever the window is doing.
    m_profile->setUrlRequestInterceptor(offline ? &m_offlineInterceptor : nullptr);
}

void WebBrowser::printPage(QPrinter &printer)
{
    // The engine's print worker cannot cope with a page whose renderer is gone.
    if (!hasLivePage())
        throw EOleError(u"Stránku nelze vytisknout, dokud nebude znovu načtena"_s);
    m_view->print(&printer);
}

bool WebBrowser::hasLivePage() const
{
    return !m_rendererLost && m_page->renderProcessPid() > 0;
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
    return PaneKeys::actionFor(event.keyCombination(), m_findBar->isVisible()) !=
           PaneKeys::Action::None;
}

// The pane's own keys work while the focus is anywhere inside it, the page or
// the find bar; claimsKey keeps them from the commands there.
void WebBrowser::createShortcuts()
{
    using PaneKeys::Action;
    for (Action action : {Action::OpenFind, Action::FindNext, Action::FindPrevious,
                          Action::CloseFind, Action::ZoomIn, Action::ZoomOut, Action::ZoomReset}) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(PaneKeys::keysOf(action));
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, action] { ErrorBoundary::run([&] { runKeyAction(action); }); });
        if (action == Action::CloseFind) {
            m_closeFindShortcut = shortcut;
            shortcut->setEnabled(false);
        }
    }
}

void WebBrowser::runKeyAction(PaneKeys::Action action)
{
    using PaneKeys::Action;
    switch (action) {
    case Action::OpenFind:
        openFindBar();
        break;
    case Action::FindNext:
        findNext();
        break;
    case Action::FindPrevious:
        findPrevious();
        break;
    case Action::CloseFind:
        closeFindBar();
        break;
    case Action::ZoomIn:
        zoomIn();
        break;
    case Action::ZoomOut:
        zoomOut();
        break;
    case Action::ZoomReset:
        resetZoom();
        break;
    case Action::None:
        break;
    }
}

void WebBrowser::openFindBar()
{
    m_findBar->open();
    m_closeFindShortcut->setEnabled(true);
}

void WebBrowser::closeFindBar()
{
    m_findBar->hide();
    m_closeFindShortcut->setEnabled(false);
    // Ending the search clears the highlight but leaves the last match selected.
    m_page->findText(QString());
    m_page->runJavaScript(u"window.getSelection().removeAllRanges();"_s,
                          QWebEngineScript::ApplicationWorld);
    m_view->setFocus(Qt::OtherFocusReason);
}

// F3 with the bar closed opens it; the next press searches.
void WebBrowser::findNext()
{
    if (!m_findBar->isVisible())
        openFindBar();
    search(m_findBar->text(), false);
}

void WebBrowser::findPrevious()
{
    if (!m_findBar->isVisible())
        openFindBar();
    search(m_findBar->text(), true);
}

void WebBrowser::search(const QString &text, bool backward)
{
    if (text.isEmpty())
        m_findBar->setStatus(QString());
    m_page->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void WebBrowser::zoomIn()
{
    setZoom(ZoomSteps::zoomedIn(m_zoom));
}

void WebBrowser::zoomOut()
{
    setZoom(ZoomSteps::zoomedOut(m_zoom));
}

void WebBrowser::resetZoom()
{
    setZoom(ZoomSteps::natural);
}

void WebBrowser::setZoom(double factor)
{
    m_zoom = factor;
    m_page->setZoomFactor(factor);
    m_zoomNotice->showText(ZoomSteps::indication(factor), zoomNoticeTime);
}

QMenu *WebBrowser::createContextMenu()
{
    using ContextMenuRows::Entry;
    const QWebEngineContextMenuRequest *request = m_view->lastContextMenuRequest();
    ContextMenuRows::Spot spot;
    spot.canGoBack = m_view->history()->canGoBack();
    spot.canGoForward = m_view->history()->canGoForward();
    if (request) {
        spot.hasSelection = !request->selectedText().isEmpty();
        spot.onLink = request->linkUrl().isValid();
        spot.onImage = request->mediaType() == QWebEngineContextMenuRequest::MediaTypeImage &&
                       request->mediaUrl().isValid();
    }

    auto *menu = new QMenu(this);
    for (const ContextMenuRows::Row &row : ContextMenuRows::rowsFor(spot)) {
        if (row.entry == Entry::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(row.text);
        action->setEnabled(row.enabled);
        connect(action, &QAction::triggered, this, [this, entry = row.entry] {
            ErrorBoundary::run([&] {
                switch (entry) {
                case Entry::OpenLink:
                    m_view->triggerPageAction(QWebEnginePage::OpenLinkInThisWindow);
                    break;
                case Entry::CopyLinkAddress:
                    m_view->triggerPageAction(QWebEnginePage::CopyLinkToClipboard);
                    break;
                case Entry::CopyImage:
                    m_view->triggerPageAction(QWebEnginePage::CopyImageToClipboard);
                    break;
                case Entry::Copy:
                    m_view->triggerPageAction(QWebEnginePage::Copy);
                    break;
                case Entry::Back:
                    goBack();
                    break;
                case Entry::Forward:
                    goForward();
                    break;
                case Entry::Reload:
                    refresh();
                    break;
                case Entry::SelectAll:
                    m_view->triggerPageAction(QWebEnginePage::SelectAll);
                    break;
                case Entry::Print:
                    // After the menu has closed, so that the dialog is not opened inside it.
                    QMetaObject::invokeMethod(this, &WebBrowser::printRequested,
                                              Qt::QueuedConnection);
                    break;
                case Entry::Separator:
                    break;
                }
            });
        });
    }
    return menu;
}

void WebBrowser::showContextMenu(const QPoint &position)
{
    ErrorBoundary::run([&] {
        QMenu *menu = createContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_view->mapToGlobal(position));
    });
}

// A link with a target or a script's window.open opens in the pane itself,
// and only when the user asked for it.
void WebBrowser::openNewWindowRequest(QWebEngineNewWindowRequest &request)
{
    ErrorBoundary::run([&] {
        if (!request.isUserInitiated())
            return;
        const QUrl url = request.requestedUrl();
        switch (LinkPolicy::routeFor(url, m_page->url(), true)) {
        case LinkPolicy::Route::Engine:
            QTimer::singleShot(0, this, [this, url] { m_view->load(url); });
            break;
        case LinkPolicy::Route::Desktop:
            m_page->handToDesktop(url);
            break;
        case LinkPolicy::Route::Refused:
            break;
        }
    });
}

void WebBrowser::rendererTerminated(int status)
{
    m_rendererLost = true;
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    const QUrl shown = m_page->url().isEmpty() ? m_page->requestedUrl() : m_page->url();
    if (!m_crashRecovery.rendererDied(shown))
        return;
    m_crashRecovery.crashPageShown();
    // Not from inside the engine's own notification.
    QTimer::singleShot(0, this, [this] {
        // Based on the lost address, so that its link may lead back there even
        // for a local page.
        m_view->setHtml(CrashPage::html(m_crashRecovery.lostPage()),
                        m_crashRecovery.lostPage());
    });
}

void WebBrowser::setSaveLocationChooser(SaveLocationChooser chooser)
{
    m_chooseSaveLocation = std::move(chooser);
}

// Nothing is saved without the user's choice: a download the user does not
// place is cancelled.
void WebBrowser::saveDownload(QWebEngineDownloadRequest *download)
{
    if (download->page() != m_page || download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    const QString suggested =
        QDir(download->downloadDirectory()).filePath(download->downloadFileName());
    const QString chosen = m_chooseSaveLocation ? m_chooseSaveLocation(suggested) : QString();
    if (chosen.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(chosen);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    followDownload(download);
    download->accept();
}

void WebBrowser::followDownload(QWebEngineDownloadRequest *download)
{
    const QString name = download->downloadFileName();
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this,
            [this, download, name] {
                m_downloadNotice->showText(DownloadStatus::progress(name, download->receivedBytes(),
                                                                    download->totalBytes()),
                                           0);
            });
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            [this, download, name](QWebEngineDownloadRequest::DownloadState state) {
                switch (state) {
                case QWebEngineDownloadRequest::DownloadCompleted:
                    m_downloadNotice->showText(DownloadStatus::finished(name), downloadNoticeTime);
                    break;
                case QWebEngineDownloadRequest::DownloadInterrupted:
                    m_downloadNotice->hide();
                    ErrorBoundary::report(
                        DownloadStatus::failed(name, download->interruptReasonString()));
                    break;
                case QWebEngineDownloadRequest::DownloadCancelled:
                    m_downloadNotice->hide();
                    break;
                default:
                    m_downloadNotice->showText(DownloadStatus::progress(name, 0, 0), 0);
                    break;
                }
            });
}

bool WebBrowser::eventFilter(QObject *watched, QEvent *event)
{
    // The engine's widget inside the view comes and goes with its renderer:
    // each one gets the Ctrl+wheel zoom.
    if (watched == m_view && event->type() == QEvent::ChildAdded) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Wheel && watched != m_view) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            ErrorBoundary::run([&] {
                if (delta > 0)
                    zoomIn();
                else if (delta < 0)
                    zoomOut();
            });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WebBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_progressLine->setGeometry(0, 0, width(), LoadingProgressLine::thickness);
    m_zoomNotice->place();
    m_downloadNotice->place();
}

// The engine calls this back when the print job ends: the failure is reported
// here, never thrown back into the engine.
void WebBrowser::printFinished(bool success)
{
    if (!success)
        ErrorBoundary::report(u"The page could not be printed"_s);
}

} // namespace Tagovnik
