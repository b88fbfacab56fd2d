#include "errorrecorder.h"
#include "loopbackhttpserver.h"
#include "panenotice.h"
#include "panetesting.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEngineHistory>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using PaneTesting::waitForLoad;

// Stands in for the desktop's handlers of other schemes.
class FakeDesktop : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

// Links that leave the ordinary page: new windows, other schemes, local files
// from the web and downloads, against the real engine.
class TestPaneLinks : public QObject
{
    Q_OBJECT

    void click(const QString &id)
    {
        QTest::mouseClick(PaneTesting::engineWidget(*m_pane), Qt::LeftButton, {},
                          PaneTesting::centreOf(*m_pane, id));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.setPage(
            u"/links"_s,
            PaneTesting::page(
                "links",
                "<style>a,button{display:block;font-size:30px;margin:6px}</style>"
                "<a id=\"blank\" target=\"_blank\" href=\"/new\">new window</a>"
                "<button id=\"open\" onclick=\"window.open('/opened')\">open</button>"
                "<a id=\"mail\" href=\"mailto:info@example.test\">mail</a>"
                "<a id=\"fail\" href=\"tagovnik-nowhere:x\">nowhere</a>"
                "<a id=\"file\" href=\"file:///etc/hostname\">local file</a>"
                "<a id=\"download\" href=\"/zprava.bin\">download</a>"));
        m_server.setPage(u"/new"_s, PaneTesting::page("new"));
        m_server.setPage(u"/opened"_s, PaneTesting::page("opened"));
        m_server.setPage(u"/unasked"_s, PaneTesting::page("unasked"));
        m_server.setPage(u"/popup"_s, PaneTesting::page("popup", "<script>window.open('/unasked')"
                                                                 "</script>popup"));
        m_server.setResource(u"/zprava.bin"_s, QByteArray(50000, 'x'), "application/octet-stream",
                             "Content-Disposition: attachment; filename=\"zprava.bin\"\r\n");
        QDesktopServices::setUrlHandler(u"mailto"_s, &m_desktop, "open");
        QDesktopServices::setUrlHandler(u"file"_s, &m_desktop, "open");
        // A handler that cannot be called: the desktop refuses the address.
        QDesktopServices::setUrlHandler(u"tagovnik-nowhere"_s, &m_desktop, "missing");
    }

    void cleanupTestCase()
    {
        for (const QString &scheme : {u"mailto"_s, u"file"_s, u"tagovnik-nowhere"_s})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void init()
    {
        m_desktop.opened.clear();
        m_pane = std::make_unique<WebBrowser>();
        QVERIFY(PaneTesting::showActive(*m_pane));
        QVERIFY(waitForLoad(*m_pane, [&] { m_pane->navigate(m_server.url(u"/links"_s)); }));
        QVERIFY(PaneTesting::focusPage(*m_pane));
        QVERIFY(PaneTesting::waitForInput(*m_pane));
    }

    void cleanup() { m_pane.reset(); }

    void newWindowLinksAndScriptsOpenInThePaneWhenTheUserAsks()
    {
        QVERIFY(waitForLoad(*m_pane, [&] { click(u"blank"_s); }));
        QCOMPARE(m_pane->view()->url().path(), u"/new"_s);
        QVERIFY(m_pane->view()->history()->canGoBack()); // a plain navigation

        QVERIFY(waitForLoad(*m_pane, [&] { m_pane->goBack(); }));
        QVERIFY(waitForLoad(*m_pane, [&] { click(u"open"_s); }));
        QCOMPARE(m_pane->view()->url().path(), u"/opened"_s);

        // A page that opens a window by itself gets nothing.
        QVERIFY(waitForLoad(*m_pane, [&] { m_pane->navigate(m_server.url(u"/popup"_s)); }));
        QTest::qWait(1000);
        QCOMPARE(m_pane->view()->url().path(), u"/popup"_s);
        QVERIFY(!m_server.requestedPaths().contains(u"/unasked"_s));
    }

    void otherSchemesGoToTheDesktopAndAFailureIsReported()
    {
        ErrorRecorder errors;
        click(u"mail"_s);
        QTRY_COMPARE(m_desktop.opened, QList<QUrl>{QUrl(u"mailto:info@example.test"_s)});
        QCOMPARE(m_pane->view()->url().path(), u"/links"_s);
        QVERIFY(errors.messages.isEmpty());

        click(u"fail"_s);
        QTRY_COMPARE(errors.messages.size(), 1);
        QCOMPARE(errors.messages.constFirst(),
                 u"Adresu „tagovnik-nowhere:x“ se nepodařilo předat programu, který ji otevírá"_s);
    }

    void aWebPageCannotLeadIntoLocalFiles()
    {
        click(u"file"_s);
        QTest::qWait(1000);
        QCOMPARE(m_pane->view()->url().path(), u"/links"_s);
        QVERIFY(m_desktop.opened.isEmpty());
    }

    void aDownloadIsSavedWhereTheUserChooses()
    {
        QTemporaryDir folder;
        QString suggested;
        m_pane->setSaveLocationChooser([&](const QString &path) {
            suggested = path;
            return folder.filePath(u"uloženo.bin"_s);
        });
        click(u"download"_s);
        QTRY_VERIFY(QFileInfo(suggested).fileName() == u"zprava.bin"_s);
        QTRY_COMPARE_WITH_TIMEOUT(m_pane->downloadNotice()->text(), u"Staženo: „uloženo.bin“"_s,
                                  20000);
        QFile saved(folder.filePath(u"uloženo.bin"_s));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray(50000, 'x'));
        QCOMPARE(m_pane->view()->url().path(), u"/links"_s);
    }

    void aCancelledDownloadSavesNothing()
    {
        QTemporaryDir folder;
        int asked = 0;
        m_pane->setSaveLocationChooser([&](const QString &) {
            ++asked;
            return QString();
        });
        click(u"download"_s);
        QTRY_COMPARE(asked, 1);
        QTest::qWait(1000);
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(!QFile::exists(QDir::home().filePath(u"Downloads/zprava.bin"_s)));
        QVERIFY(!m_pane->downloadNotice()->isVisible());
    }

    void offlineModeBlocksDownloads()
    {
        int asked = 0;
        m_pane->setSaveLocationChooser([&](const QString &) {
            ++asked;
            return QString();
        });
        const qsizetype before = m_server.requestedPaths().count(u"/zprava.bin"_s);
        m_pane->setOffline(true);
        click(u"download"_s);
        QTest::qWait(1500);
        QCOMPARE(asked, 0);
        QCOMPARE(m_server.requestedPaths().count(u"/zprava.bin"_s), before);
    }

private:
    LoopbackHttpServer m_server;
    FakeDesktop m_desktop;
    std::unique_ptr<WebBrowser> m_pane;
};

TAGOVNIK_TEST_MAIN(TestPaneLinks)
#include "tst_panelinks.moc"
