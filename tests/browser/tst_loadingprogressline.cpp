#include "loadingprogressline.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Tagovnik;

class TestLoadingProgressLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appearsOnlyForALoadThatTakesAWhile()
    {
        QWidget pane;
        pane.resize(300, 200);
        auto *line = new LoadingProgressLine(&pane);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));

        // The first load never shows it, however long it takes.
        line->start();
        QTest::qWait(LoadingProgressLine::appearanceDelay + 150);
        QVERIFY(!line->isVisible());
        line->finish();

        QElapsedTimer since;
        since.start();
        line->start();
        QVERIFY(!line->isVisible());
        QTRY_VERIFY(line->isVisible());
        QVERIFY(since.elapsed() >= LoadingProgressLine::appearanceDelay - 20);
        line->setProgress(140);
        QCOMPARE(line->progress(), 100);
        line->finish();
        QVERIFY(!line->isVisible());

        // Finished before the delay: it never shows.
        line->start();
        line->finish();
        QTest::qWait(LoadingProgressLine::appearanceDelay + 150);
        QVERIFY(!line->isVisible());

        // A new load while it shows keeps it on screen, from the beginning.
        line->start();
        QTRY_VERIFY(line->isVisible());
        line->setProgress(70);
        line->start();
        QVERIFY(line->isVisible());
        QCOMPARE(line->progress(), 0);
        line->finish();
        QVERIFY(!line->isVisible());
    }
};

QTEST_MAIN(TestLoadingProgressLine)
#include "tst_loadingprogressline.moc"
