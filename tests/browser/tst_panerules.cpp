#include "contextmenurows.h"
#include "crashpage.h"
#include "downloadstatus.h"
#include "findstatus.h"
#include "linkpolicy.h"
#include "panekeys.h"
#include "zoomsteps.h"

#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

Q_DECLARE_METATYPE(Tagovnik::ContextMenuRows::Spot)

// The pane's window-free rules: zoom levels, find report, its keys, context
// menu rows, where links go, the crash page and download texts.
class TestPaneRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoomStepsRunFrom25To500PercentAndStopAtTheEnds()
    {
        QList<int> up;
        for (double factor = ZoomSteps::natural; up.isEmpty() || up.constLast() != 500;) {
            factor = ZoomSteps::zoomedIn(factor);
            up << ZoomSteps::percent(factor);
        }
        QCOMPARE(up, (QList<int>{110, 125, 150, 175, 200, 250, 300, 400, 500}));
        QCOMPARE(ZoomSteps::zoomedIn(5.0), 5.0);

        QList<int> down;
        for (double factor = ZoomSteps::natural; down.isEmpty() || down.constLast() != 25;) {
            factor = ZoomSteps::zoomedOut(factor);
            down << ZoomSteps::percent(factor);
        }
        QCOMPARE(down, (QList<int>{90, 80, 75, 67, 50, 33, 25}));
        QCOMPARE(ZoomSteps::zoomedOut(0.25), 0.25);

        // A factor between two levels (set by the engine) moves to the next level.
        QCOMPARE(ZoomSteps::zoomedIn(1.3), 1.5);
        QCOMPARE(ZoomSteps::zoomedOut(1.3), 1.25);
        QCOMPARE(ZoomSteps::zoomedIn(1.0000001), 1.1); // rounding is not a level
        QCOMPARE(ZoomSteps::indication(1.25), u"Zvětšení: 125 %"_s);
        QCOMPARE(ZoomSteps::indication(2.0 / 3), u"Zvětšení: 67 %"_s);
    }

    void findReportCountsMatchesInCzech()
    {
        QCOMPARE(FindStatus::text(u"tag"_s, 3, 12), u"3 z 12"_s);
        QCOMPARE(FindStatus::text(u"tag"_s, 0, 0), u"Nenalezeno"_s);
        QCOMPARE(FindStatus::text(QString(), 0, 0), QString());
        QCOMPARE(FindStatus::text(QString(), 1, 4), QString()); // a stale answer after clearing
    }

    void paneKeysCoverFindAndZoomWithTheirVariants()
    {
        using PaneKeys::Action;
        const auto action = [](Qt::KeyboardModifiers modifiers, Qt::Key key, bool open = false) {
            return PaneKeys::actionFor(QKeyCombination(modifiers, key), open);
        };
        QCOMPARE(action(Qt::ControlModifier, Qt::Key_F), Action::OpenFind);
        QCOMPARE(action(Qt::NoModifier, Qt::Key_F3), Action::FindNext);
        QCOMPARE(action(Qt::ShiftModifier, Qt::Key_F3), Action::FindPrevious);
        QCOMPARE(action(Qt::NoModifier, Qt::Key_Escape), Action::None);
        QCOMPARE(action(Qt::NoModifier, Qt::Key_Escape, true), Action::CloseFind);
        QCOMPARE(action(Qt::ControlModifier, Qt::Key_Plus), Action::ZoomIn);
        QCOMPARE(action(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus), Action::ZoomIn);
        QCOMPARE(action(Qt::ControlModifier, Qt::Key_Equal), Action::ZoomIn);
        QCOMPARE(action(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus), Action::ZoomIn);
        QCOMPARE(action(Qt::ControlModifier, Qt::Key_Minus), Action::ZoomOut);
        QCOMPARE(action(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus), Action::ZoomOut);
        QCOMPARE(action(Qt::ControlModifier, Qt::Key_0), Action::ZoomReset);
        // The commands' keys stay theirs.
        QCOMPARE(action(Qt::ControlModifier, Qt::Key_P), Action::None);
        QCOMPARE(action(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_F), Action::None);
        QCOMPARE(action(Qt::NoModifier, Qt::Key_F), Action::None);

        QCOMPARE(PaneKeys::keysOf(Action::ZoomIn).size(), 3);
        QVERIFY(PaneKeys::keysOf(Action::OpenFind).contains(QKeySequence(u"Ctrl+F"_s)));
    }

    void contextMenuOffersWhatWorksAtTheSpot_data()
    {
        QTest::addColumn<ContextMenuRows::Spot>("spot");
        QTest::addColumn<QStringList>("texts");
        const QStringList page = {u"Back"_s,       u"Forward"_s,  u"Reload"_s, u"-"_s,
                                  u"Select All"_s, u"Print..."_s};
        QTest::newRow("plain spot") << ContextMenuRows::Spot{} << page;
        QTest::newRow("selection") << ContextMenuRows::Spot{.hasSelection = true}
                                   << QStringList{u"Copy"_s, u"-"_s} + page;
        QTest::newRow("link") << ContextMenuRows::Spot{.onLink = true}
                              << QStringList{u"Open Link"_s, u"Copy Link Address"_s, u"-"_s} + page;
        QTest::newRow("image in a link")
            << ContextMenuRows::Spot{.onLink = true, .onImage = true}
            << QStringList{u"Open Link"_s, u"Copy Link Address"_s, u"Copy Image"_s, u"-"_s} + page;
    }

    void contextMenuOffersWhatWorksAtTheSpot()
    {
        QFETCH(ContextMenuRows::Spot, spot);
        QFETCH(QStringList, texts);
        QStringList shown;
        for (const ContextMenuRows::Row &row : ContextMenuRows::rowsFor(spot))
            shown << (row.entry == ContextMenuRows::Entry::Separator ? u"-"_s : row.text);
        QCOMPARE(shown, texts);
    }

    void backAndForwardFollowTheHistory()
    {
        const auto enabled = [](const ContextMenuRows::Spot &spot, ContextMenuRows::Entry entry) {
            for (const ContextMenuRows::Row &row : ContextMenuRows::rowsFor(spot)) {
                if (row.entry == entry)
                    return row.enabled;
            }
            return false;
        };
        using ContextMenuRows::Entry;
        QVERIFY(!enabled({}, Entry::Back));
        QVERIFY(!enabled({}, Entry::Forward));
        QVERIFY(enabled({.canGoBack = true}, Entry::Back));
        QVERIFY(!enabled({.canGoBack = true}, Entry::Forward));
        QVERIFY(enabled({.canGoForward = true}, Entry::Forward));
        QVERIFY(enabled({}, Entry::Reload));
        QVERIFY(enabled({}, Entry::Print));
    }

    void linksGoToTheEngineTheDesktopOrNowhere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("pageInitiated");
        QTest::addColumn<LinkPolicy::Route>("route");
        using LinkPolicy::Route;
        const QString remote = u"http://example.test/page"_s;
        const QString local = u"file:///opt/tagovnik/index.html"_s;
        QTest::newRow("web link") << u"https://x.test/"_s << remote << true << Route::Engine;
        QTest::newRow("local link") << u"file:///opt/a.html"_s << local << true << Route::Engine;
        QTest::newRow("mailto") << u"mailto:a@b.test"_s << local << true << Route::Desktop;
        QTest::newRow("other scheme") << u"tel:+420123"_s << remote << true << Route::Desktop;
        QTest::newRow("file from the web") << local << remote << true << Route::Refused;
        QTest::newRow("file from https") << local << u"https://x.test/"_s << true << Route::Refused;
        QTest::newRow("file by the program") << local << remote << false << Route::Engine;
        QTest::newRow("view source") << u"view-source:http://x.test/"_s << remote << true
                                     << Route::Refused;
        QTest::newRow("engine error page") << u"chrome-error://chromewebdata/"_s << remote
                                           << false << Route::Engine;
        QTest::newRow("no scheme") << u"relative"_s << remote << true << Route::Refused;
    }

    void linksGoToTheEngineTheDesktopOrNowhere()
    {
        QFETCH(QString, target);
        QFETCH(QString, shown);
        QFETCH(bool, pageInitiated);
        QFETCH(LinkPolicy::Route, route);
        QCOMPARE(LinkPolicy::routeFor(QUrl(target), QUrl(shown), pageInitiated), route);
    }

    void crashPageNamesTheLostAddressSafely()
    {
        const QUrl lost(u"http://example.test/a?b=\"<script>x</script>\""_s);
        const QString html = CrashPage::html(lost);
        QVERIFY(html.contains(u"<title>Stránka přestala fungovat</title>"_s));
        QVERIFY(!html.contains(u"<script>"_s));
        QVERIFY(html.contains(lost.toDisplayString().toHtmlEscaped()));
        QVERIFY(html.contains(u"href=\"%1\""_s.arg(
            QString::fromUtf8(lost.toEncoded()).toHtmlEscaped())));
        QVERIFY(html.contains(u"Načíst stránku znovu"_s));
    }

    void crashRecoveryNeverReplacesItsOwnPage()
    {
        CrashRecovery recovery;
        const QUrl page(u"http://example.test/"_s);
        QVERIFY(recovery.rendererDied(page));
        QCOMPARE(recovery.lostPage(), page);
        recovery.crashPageShown();
        QVERIFY(!recovery.rendererDied(QUrl(u"data:text/html,x"_s)));
        QCOMPARE(recovery.lostPage(), page); // still the page the user wanted

        recovery.pageShown();
        QVERIFY(!recovery.isShowingCrashPage());
        const QUrl next(u"http://example.test/next"_s);
        QVERIFY(recovery.rendererDied(next));
        QCOMPARE(recovery.lostPage(), next);
    }

    void downloadTextsSayHowFarItGotOrWhyItFailed()
    {
        QCOMPARE(DownloadStatus::progress(u"a.zip"_s, 40, 100), u"Stahuje se „a.zip“: 40 %"_s);
        QCOMPARE(DownloadStatus::progress(u"a.zip"_s, 5, 0), u"Stahuje se „a.zip“…"_s);
        QCOMPARE(DownloadStatus::progress(u"a.zip"_s, 200, 100), u"Stahuje se „a.zip“: 100 %"_s);
        QCOMPARE(DownloadStatus::finished(u"a.zip"_s), u"Staženo: „a.zip“"_s);
        QCOMPARE(DownloadStatus::failed(u"a.zip"_s, u"Network error"_s),
                 u"Soubor „a.zip“ se nepodařilo stáhnout: Network error"_s);
        QCOMPARE(DownloadStatus::failed(u"a.zip"_s, QString()),
                 u"Soubor „a.zip“ se nepodařilo stáhnout"_s);
    }
};

QTEST_GUILESS_MAIN(TestPaneRules)
#include "tst_panerules.moc"
