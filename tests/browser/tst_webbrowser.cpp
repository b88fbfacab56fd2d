#include "crashpage.h"
#include "error.h"
#include "errorrecorder.h"
#include "loadingprogressline.h"
#include "loopbackhttpserver.h"
#include "panetesting.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using PaneTesting::killRenderer;

// The pane against the real web engine, on pages served from 127.0.0.1.
class TestWebBrowser : public QObject
{
    Q_OBJECT

    static bool waitForLoad(WebBrowser &pane, const std::function<void()> &action)
    {
        return PaneTesting::waitForLoad(pane, action);
    }

    static QByteArray page(const char *title) { return PaneTesting::page(title); }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.setPage(u"/one"_s, page("one"));
        m_server.setPage(u"/two"_s, page("two"));
        // Its renderer is busy for a while before the load event.
        m_server.setPage(u"/slow"_s,
                         "<html><head><title>slow</title></head><body><script>"
                         "for (var t = Date.now(); Date.now() - t < 1500;) {}"
                         "</script>slow</body></html>");
    }

    void navigatesBeforeTheWindowIsShownAndMovesThroughHistory()
    {
        WebBrowser pane;
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/one"_s)); }));
        pane.resize(400, 300);
        pane.show();
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/two"_s)); }));
        QCOMPARE(pane.view()->url().path(), u"/two"_s);

        QVERIFY(waitForLoad(pane, [&] { pane.goBack(); }));
        QCOMPARE(pane.view()->url().path(), u"/one"_s);
        QVERIFY(waitForLoad(pane, [&] { pane.goForward(); }));
        QCOMPARE(pane.view()->url().path(), u"/two"_s);
        QVERIFY(waitForLoad(pane, [&] { pane.refresh(); }));
        pane.stop(); // nothing loading: reaches the engine and does nothing
        QCOMPARE(pane.view()->url().path(), u"/two"_s);
    }

    void backOrForwardWithoutHistoryRaisesAndKeepsThePage()
    {
        WebBrowser pane;
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/one"_s)); }));
        try {
            pane.goBack();
            QFAIL("going back with no history must fail");
        } catch (const EOleException &error) {
            QCOMPARE(error.kindName(), u"EOleException"_s);
            QCOMPARE(error.message(), u"There is no earlier page in the history"_s);
        }
        QVERIFY_THROWS_EXCEPTION(EOleException, pane.goForward());
        QCOMPARE(pane.view()->url().path(), u"/one"_s);
    }

    void rejectsAddressesThatAreNeitherPathsNorUrls()
    {
        WebBrowser pane;
        QVERIFY_THROWS_EXCEPTION(EOleException, pane.navigate(u"index.html"_s));
        QVERIFY_THROWS_EXCEPTION(EOleException, pane.navigate(u"http://"_s));
        QVERIFY_THROWS_EXCEPTION(EOleException, pane.navigate(QString()));
        QCOMPARE(WebBrowser::urlForAddress(u"about:blank"_s), QUrl(u"about:blank"_s));
    }

    void pathWithSpacesAndUrlCharactersOpensTheRightFile()
    {
        QTemporaryDir root;
        const QString folder = root.path() + u"/Moje stránky #1 100% ?"_s;
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + u"/index.html"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(page("local"));
        file.close();

        WebBrowser pane;
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(file.fileName()); }));
        QCOMPARE(pane.view()->url().toLocalFile(), file.fileName());
        QCOMPARE(pane.view()->title(), u"local"_s);
    }

    void offlineRefusesNetworkRequestsUntilCleared()
    {
        m_server.setPage(u"/offline"_s, page("offline"));
        WebBrowser pane;
        pane.setOffline(true);
        QVERIFY(!waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/offline"_s)); }));
        QVERIFY(!m_server.requestedPaths().contains(u"/offline"_s));

        pane.setOffline(false);
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/offline"_s)); }));
        QVERIFY(m_server.requestedPaths().contains(u"/offline"_s));
        QCOMPARE(pane.view()->title(), u"offline"_s);
    }

    void printingAfterTheRendererDiedIsRefusedUntilAPageHasLoadedAgain()
    {
        ErrorRecorder errors;
        WebBrowser pane;
        QVERIFY(PaneTesting::showActive(pane));
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/one"_s)); }));
        QVERIFY(pane.hasLivePage());
        QVERIFY(killRenderer(pane));

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"lost.pdf"_s));
        QSignalSpy finished(pane.view(), &QWebEngineView::printFinished);
        // Whatever the pane shows meanwhile, the lost page cannot be printed.
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                pane.printPage(printer);
                QFAIL("a page without its renderer must not reach the engine's printing");
            } catch (const EOleError &error) {
                QCOMPARE(error.message(), u"Stránku nelze vytisknout, dokud nebude znovu načtena"_s);
            }
            QTest::qWait(500);
        }
        QVERIFY(finished.isEmpty());
        QVERIFY(!QFile::exists(printer.outputFileName()));

        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/two"_s)); }));
        QVERIFY(pane.hasLivePage());
        pane.printPage(printer);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.constFirst().constFirst().toBool(), true);
        QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);
        QVERIFY(errors.messages.isEmpty());
    }

    void aDeadRendererLeavesACrashPageThatReloadsTheLostPage()
    {
        WebBrowser pane;
        QVERIFY(PaneTesting::showActive(pane));
        m_server.setPage(u"/one?q=a&b=%3Cc%3E"_s, page("one"));
        const QUrl lost(m_server.url(u"/one?q=a&b=<c>"_s));
        QVERIFY(waitForLoad(pane, [&] { pane.view()->load(lost); }));
        QVERIFY(waitForLoad(pane, [&] { QVERIFY(killRenderer(pane)); }));
        QVERIFY(pane.isShowingCrashPage());
        QCOMPARE(pane.view()->title(), CrashPage::title.toString());
        const QString text = PaneTesting::evaluate(pane, u"document.body.innerText"_s).toString();
        QVERIFY2(text.contains(lost.toDisplayString()), qPrintable(text));

        // The link on the page loads the lost page again, as a click of the user.
        QVERIFY(PaneTesting::focusPage(pane));
        QVERIFY(PaneTesting::waitForInput(pane));
        const QPoint link = PaneTesting::centreOf(pane, u"reload"_s);
        QVERIFY(waitForLoad(pane, [&] {
            QTest::mouseClick(PaneTesting::engineWidget(pane), Qt::LeftButton, {}, link);
        }));
        QCOMPARE(pane.view()->url(), lost);
        QCOMPARE(pane.view()->title(), u"one"_s);
        QVERIFY(!pane.isShowingCrashPage());
        QVERIFY(pane.hasLivePage());
    }

    void aLocalPageLostToACrashReloadsFromItsLinkAndCommandsWorkAfterwards()
    {
        QTemporaryDir root;
        QFile file(root.filePath(u"stránka.html"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(page("local"));
        file.close();

        WebBrowser pane;
        QVERIFY(PaneTesting::showActive(pane));
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(file.fileName()); }));
        QVERIFY(waitForLoad(pane, [&] { QVERIFY(killRenderer(pane)); }));
        QVERIFY(pane.isShowingCrashPage());
        QVERIFY(PaneTesting::focusPage(pane));
        QVERIFY(PaneTesting::waitForInput(pane));
        const QPoint link = PaneTesting::centreOf(pane, u"reload"_s);
        QVERIFY(waitForLoad(pane, [&] {
            QTest::mouseClick(PaneTesting::engineWidget(pane), Qt::LeftButton, {}, link);
        }));
        QCOMPARE(pane.view()->url().toLocalFile(), file.fileName());

        // Killed again, then left by a command instead of the link.
        QVERIFY(waitForLoad(pane, [&] { QVERIFY(killRenderer(pane)); }));
        QVERIFY(pane.isShowingCrashPage());
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/two"_s)); }));
        QCOMPARE(pane.view()->title(), u"two"_s);
        QVERIFY(!pane.isShowingCrashPage());
    }

    void aCrashPageThatDiesItselfIsNotShownAgain()
    {
        WebBrowser pane;
        QVERIFY(PaneTesting::showActive(pane));
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/one"_s)); }));
        QVERIFY(waitForLoad(pane, [&] { QVERIFY(killRenderer(pane)); }));
        QVERIFY(pane.isShowingCrashPage());

        QSignalSpy started(pane.view(), &QWebEngineView::loadStarted);
        QVERIFY(killRenderer(pane));
        QTest::qWait(1500);
        QVERIFY(started.isEmpty()); // no reload, no new crash page
        QVERIFY(!pane.hasLivePage());

        // Refresh loads the page the crash page stood for.
        QVERIFY(waitForLoad(pane, [&] { pane.refresh(); }));
        QCOMPARE(pane.view()->title(), u"one"_s);
    }

    void aThinLineShowsASlowLoadAfterTheFirstUntilThePageHasLoaded()
    {
        WebBrowser pane;
        QVERIFY(PaneTesting::showActive(pane));
        LoadingProgressLine *line = pane.progressLine();
        QVERIFY(!line->isVisible());
        const auto shownWhileLoading = [&](const QString &path) {
            bool shown = false;
            QTimer watch;
            connect(&watch, &QTimer::timeout, this, [&] { shown = shown || line->isVisible(); });
            watch.start(20);
            if (!waitForLoad(pane, [&] { pane.navigate(m_server.url(path)); }))
                qWarning("no load of %s", qPrintable(path));
            return shown;
        };
        // The first load is the one at start, while the engine comes up.
        QVERIFY(!shownWhileLoading(u"/slow"_s));
        QVERIFY(shownWhileLoading(u"/slow"_s));
        QVERIFY(!line->isVisible());
        QCOMPARE(line->geometry(), QRect(0, 0, pane.width(), LoadingProgressLine::thickness));

        // A failed load ends it too.
        pane.setOffline(true);
        QVERIFY(!waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/two"_s)); }));
        QVERIFY(!line->isVisible());
    }

    void printsTheShownPage()
    {
        WebBrowser pane;
        QVERIFY(waitForLoad(pane, [&] { pane.navigate(m_server.url(u"/one"_s)); }));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"page.pdf"_s));
        QSignalSpy finished(pane.view(), &QWebEngineView::printFinished);
        pane.printPage(printer);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.constFirst().constFirst().toBool(), true);
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

private:
    LoopbackHttpServer m_server;
};

TAGOVNIK_TEST_MAIN(TestWebBrowser)
#include "tst_webbrowser.moc"
