#include "testmain.h"
#include "webbrowser.h"

#include <QDir>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

// The search box of the installed reference, used as a user does: the pages
// are opened from the folder beside the executable, words are typed into the
// box with the keyboard and the result list is read from the page.
class TestReferenceSearch : public QObject
{
    Q_OBJECT

    static QString referencePage(const QString &relative)
    {
        const QByteArray folder = qgetenv("TAGOVNIK_REFERENCE_DIR");
        const QString root = folder.isEmpty() ? QStringLiteral(TAGOVNIK_REFERENCE_DIR) : QString::fromLocal8Bit(folder);
        return QDir(root).absoluteFilePath(relative);
    }

    static QVariant evaluate(WebBrowser &pane, const QString &script)
    {
        QVariant result;
        bool done = false;
        pane.view()->page()->runJavaScript(script, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 10000))
            qWarning("script did not finish: %s", qPrintable(script));
        return result;
    }

    static bool open(WebBrowser &pane, const QString &relative)
    {
        QSignalSpy loaded(pane.view(), &QWebEngineView::loadFinished);
        pane.navigate(referencePage(relative));
        if (!loaded.wait(20000) || !loaded.constFirst().constFirst().toBool())
            return false;
        // The box is added by a deferred script once the page is parsed.
        return QTest::qWaitFor([&] {
            return evaluate(pane, u"!!document.querySelector('header.masthead #hledani-pole')"_s).toBool();
        }, 10000);
    }

    static void typeIntoSearchBox(WebBrowser &pane, const QString &text)
    {
        evaluate(pane, u"document.getElementById('hledani-pole').focus()"_s);
        QTRY_VERIFY(pane.view()->focusProxy());
        QTest::keyClicks(pane.view()->focusProxy(), text);
    }

    static QStringList resultAddresses(WebBrowser &pane)
    {
        return evaluate(pane, u"Array.from(document.querySelectorAll('#hledani-vysledky a'), a => a.href)"_s)
            .toStringList();
    }

    static QString relativeAddress(const QString &url)
    {
        const QString root = QUrl::fromLocalFile(referencePage(QString())).toString() + u'/';
        return url.startsWith(root) ? url.mid(root.size()) : url;
    }

    static QStringList waitForResults(WebBrowser &pane)
    {
        QStringList results;
        const bool found = QTest::qWaitFor([&] {
            results = resultAddresses(pane);
            return !results.isEmpty();
        }, 5000);
        if (!found)
            return {};
        for (QString &result : results)
            result = relativeAddress(result);
        return results;
    }

    WebBrowser *m_pane = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(referencePage(u"hledani-index.js"_s)),
                 "the search index is generated into the folder beside the executable");
        m_pane = new WebBrowser;
        m_pane->resize(1200, 800);
        m_pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pane));
    }

    void cleanupTestCase() { delete m_pane; }

    void findsElementsAndAttributesFromTheHomePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("alsoFound");
        QTest::newRow("Czech name of an element") << u"tabulka"_s << u"elementy/table.html"_s << QStringList();
        QTest::newRow("Czech word of a description") << u"odkaz"_s << u"elementy/a.html"_s << QStringList();
        QTest::newRow("attribute of two elements")
            << u"colspan"_s << QString()
            << QStringList{u"elementy/td.html#atribut-colspan"_s, u"elementy/th.html#atribut-colspan"_s};
        QTest::newRow("attribute of several elements")
            << u"alt"_s << QString()
            << QStringList{u"elementy/img.html#atribut-alt"_s, u"elementy/area.html#atribut-alt"_s};
        QTest::newRow("element name in angle brackets") << u"<meta>"_s << u"elementy/meta.html"_s << QStringList();
        QTest::newRow("global attribute")
            << u"contenteditable"_s << u"globalni-atributy.html#atribut-contenteditable"_s << QStringList();
        QTest::newRow("upper case, no diacritics")
            << u"ZNAKOVE ENTITY"_s << u"znakove-entity.html"_s << QStringList();
    }

    void findsElementsAndAttributesFromTheHomePage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, first);
        QFETCH(QStringList, alsoFound);
        QVERIFY(open(*m_pane, u"index.html"_s));
        typeIntoSearchBox(*m_pane, typed);
        const QStringList results = waitForResults(*m_pane);
        QVERIFY2(!results.isEmpty(), qPrintable(u"nothing found for "_s + typed));
        if (!first.isEmpty())
            QCOMPARE(results.constFirst(), first);
        for (const QString &expected : alsoFound)
            QVERIFY2(results.contains(expected), qPrintable(results.join(u", "_s)));
    }

    void resultsFollowTheTypingAndEnterOpensTheFirst()
    {
        // From a page in the elements folder, so addresses must resolve from the reference root.
        QVERIFY(open(*m_pane, u"elementy/title.html"_s));
        typeIntoSearchBox(*m_pane, u"tab"_s);
        const QStringList partial = waitForResults(*m_pane);
        QVERIFY(!partial.isEmpty());
        QTest::keyClicks(m_pane->view()->focusProxy(), u"index"_s);
        QTRY_COMPARE(waitForResults(*m_pane).value(0), u"globalni-atributy.html#atribut-tabindex"_s);

        QSignalSpy loaded(m_pane->view(), &QWebEngineView::loadFinished);
        QTest::keyClick(m_pane->view()->focusProxy(), Qt::Key_Return);
        QVERIFY(loaded.wait(10000));
        QCOMPARE(relativeAddress(m_pane->view()->url().toString()), u"globalni-atributy.html#atribut-tabindex"_s);
    }

    void unknownWordsSayNothingWasFoundAndEscapeCloses()
    {
        QVERIFY(open(*m_pane, u"index.html"_s));
        typeIntoSearchBox(*m_pane, u"qqqxyz"_s);
        QTRY_VERIFY(evaluate(*m_pane, u"document.querySelector('.hledani-stav').textContent"_s)
                        .toString()
                        .startsWith(u"Nic nenalezeno"_s));
        QCOMPARE(resultAddresses(*m_pane), QStringList());
        QVERIFY(!evaluate(*m_pane, u"document.getElementById('hledani-vysledky').hidden"_s).toBool());
        QTest::keyClick(m_pane->view()->focusProxy(), Qt::Key_Escape);
        QTRY_VERIFY(evaluate(*m_pane, u"document.getElementById('hledani-vysledky').hidden"_s).toBool());
    }
};

TAGOVNIK_TEST_MAIN(TestReferenceSearch)
#include "tst_referencesearch.moc"
