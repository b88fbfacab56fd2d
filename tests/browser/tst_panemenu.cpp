#include "loopbackhttpserver.h"
#include "panetesting.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using PaneTesting::waitForLoad;

// The pane's context menu against the real engine: what it offers at a plain
// spot, on a selection, a link and an image, and that each entry does its work.
class TestPaneMenu : public QObject
{
    Q_OBJECT

    // Right-clicks the page and returns the menu that opens.
    // A page that has only just loaded may not take input yet: the click is repeated.
    static QMenu *menuAt(WebBrowser &pane, QPoint at)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            QTest::mouseClick(PaneTesting::engineWidget(pane), Qt::RightButton, {}, at);
            QMenu *menu = nullptr;
            const bool opened = QTest::qWaitFor([&] {
                menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                return menu != nullptr;
            }, 3000);
            if (opened)
                return menu;
        }
        return nullptr;
    }

    // The menu's rows: texts, "-" for separators, "(disabled)" after a disabled entry.
    static QStringList rowsOf(const QMenu *menu)
    {
        QStringList rows;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                rows << u"-"_s;
            else
                rows << action->text() + (action->isEnabled() ? QString() : u" (disabled)"_s);
        }
        return rows;
    }

    static void choose(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                action->trigger();
                break;
            }
        }
        menu->close();
    }

    static QByteArray picture()
    {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return buffer.data();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.setPage(
            u"/page"_s,
            PaneTesting::page(
                "page", "<p id=\"text\" style=\"font-size:30px\">Select these words</p>"
                        "<p><a id=\"link\" href=\"/target\" style=\"font-size:30px\">A link</a></p>"
                        "<p><img id=\"picture\" src=\"/picture.png\" width=\"80\" height=\"80\"></p>"
                        "<div id=\"empty\" style=\"height:200px\"></div>"));
        m_server.setPage(u"/target"_s, PaneTesting::page("target"));
        m_server.setResource(u"/picture.png"_s, picture(), "image/png");
    }

    void init()
    {
        m_pane = std::make_unique<WebBrowser>();
        QVERIFY(PaneTesting::showActive(*m_pane));
        QVERIFY(waitForLoad(*m_pane, [&] { m_pane->navigate(m_server.url(u"/page"_s)); }));
        QVERIFY(PaneTesting::focusPage(*m_pane));
    }

    void cleanup() { m_pane.reset(); }

    void aPlainSpotOffersThePageEntriesWithBackAndForwardFromTheHistory()
    {
        QMenu *menu = menuAt(*m_pane, PaneTesting::centreOf(*m_pane, u"empty"_s));
        QVERIFY(menu);
        QCOMPARE(rowsOf(menu), (QStringList{u"Back (disabled)"_s, u"Forward (disabled)"_s,
                                            u"Reload"_s, u"-"_s, u"Select All"_s,
                                            u"Print..."_s}));
        QSignalSpy print(m_pane.get(), &WebBrowser::printRequested);
        choose(menu, u"Print..."_s);
        QVERIFY(print.wait(2000));

        QVERIFY(waitForLoad(*m_pane, [&] { m_pane->navigate(m_server.url(u"/target"_s)); }));
        menu = menuAt(*m_pane, QPoint(300, 300));
        QVERIFY(menu);
        QCOMPARE(rowsOf(menu).mid(0, 2), (QStringList{u"Back"_s, u"Forward (disabled)"_s}));
        QVERIFY(waitForLoad(*m_pane, [&] { choose(menu, u"Back"_s); }));
        QCOMPARE(m_pane->view()->url().path(), u"/page"_s);

        menu = menuAt(*m_pane, PaneTesting::centreOf(*m_pane, u"empty"_s));
        QVERIFY(menu);
        QCOMPARE(rowsOf(menu).mid(0, 2), (QStringList{u"Back (disabled)"_s, u"Forward"_s}));
        choose(menu, u"Select All"_s);
        QTRY_VERIFY(m_pane->view()->selectedText().simplified().startsWith(
            u"Select these words A link"_s)); // and the picture's placeholder
    }

    void aSelectionOffersCopy()
    {
        PaneTesting::evaluate(*m_pane, u"var r = document.createRange();"
                                       "r.selectNodeContents(document.getElementById('text'));"
                                       "window.getSelection().addRange(r); true"_s);
        QTRY_VERIFY(m_pane->view()->hasSelection());
        QMenu *menu = menuAt(*m_pane, PaneTesting::centreOf(*m_pane, u"text"_s));
        QVERIFY(menu);
        QCOMPARE(rowsOf(menu).mid(0, 3), (QStringList{u"Copy"_s, u"-"_s, u"Back (disabled)"_s}));
        QApplication::clipboard()->clear();
        choose(menu, u"Copy"_s);
        QTRY_COMPARE(QApplication::clipboard()->text(), u"Select these words"_s);
    }

    void aLinkOffersToOpenItOrCopyItsAddress()
    {
        const QPoint link = PaneTesting::centreOf(*m_pane, u"link"_s);
        QMenu *menu = menuAt(*m_pane, link);
        QVERIFY(menu);
        QCOMPARE(rowsOf(menu), (QStringList{u"Open Link"_s, u"Copy Link Address"_s, u"-"_s,
                                            u"Back (disabled)"_s, u"Forward (disabled)"_s,
                                            u"Reload"_s, u"-"_s, u"Select All"_s,
                                            u"Print..."_s}));
        QApplication::clipboard()->clear();
        choose(menu, u"Copy Link Address"_s);
        QTRY_COMPARE(QApplication::clipboard()->text(), m_server.url(u"/target"_s));

        menu = menuAt(*m_pane, link);
        QVERIFY(menu);
        QVERIFY(waitForLoad(*m_pane, [&] { choose(menu, u"Open Link"_s); }));
        QCOMPARE(m_pane->view()->url().path(), u"/target"_s);
    }

    void anImageOffersToCopyIt()
    {
        QMenu *menu = menuAt(*m_pane, PaneTesting::centreOf(*m_pane, u"picture"_s));
        QVERIFY(menu);
        QCOMPARE(rowsOf(menu).mid(0, 3),
                 (QStringList{u"Copy Image"_s, u"-"_s, u"Back (disabled)"_s}));
        QVERIFY(!rowsOf(menu).contains(u"Save page"_s));
        QApplication::clipboard()->clear();
        choose(menu, u"Copy Image"_s);
        QTRY_VERIFY(!QApplication::clipboard()->image().isNull());
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(40, 40));
    }

private:
    LoopbackHttpServer m_server;
    std::unique_ptr<WebBrowser> m_pane;
};

TAGOVNIK_TEST_MAIN(TestPaneMenu)
#include "tst_panemenu.moc"
