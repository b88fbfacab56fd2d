#include "error.h"
#include "loopbackhttpserver.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

// The pane against the real web engine, on pages served from 127.0.0.1.
class TestWebBrowser : public QObject
{
    Q_OBJECT

    static bool waitForLoad(WebBrowser &pane, const std::function<void()> &action)
    {
        QSignalSpy loaded(pane.view(), &QWebEngineView::loadFinished);
        action();
        if (!loaded.wait(20000))
            return false;
        return loaded.constFirst().constFirst().toBool();
    }

    static QByteArray page(const char *title)
    {
        return QByteArray("<html><title>") + title + "</title><body>" + title + "</body></html>";
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.setPage(u"/one"_s, page("one"));
        m_server.setPage(u"/two"_s, page("two"));
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
