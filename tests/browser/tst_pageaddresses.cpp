#include "pageaddresses.h"
#include "testmain.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace PageAddresses;

class TestPageAddresses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void localPageIsFolderPlusFileName_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("homePage");
        QTest::newRow("root folder") << u"/tagovnik"_s << u"/index.html"_s;
        QTest::newRow("installed")
            << u"/usr/lib/tagovnik/tagovnik"_s << u"/usr/lib/tagovnik/index.html"_s;
        QTest::newRow("spaces and Czech letters, unescaped")
            << u"/home/jiří/Moje programy/Tagovník 2.1/tagovnik"_s
            << u"/home/jiří/Moje programy/Tagovník 2.1/index.html"_s;
        QTest::newRow("reserved URL characters stay")
            << u"/opt/a#b%20c?d/tagovnik"_s << u"/opt/a#b%20c?d/index.html"_s;
        QTest::newRow("no separator at all") << u"tagovnik"_s << u"index.html"_s;
        QTest::newRow("case kept") << u"/Opt/TAGOVNIK"_s << u"/Opt/index.html"_s;
    }
    void localPageIsFolderPlusFileName()
    {
        QFETCH(QString, executable);
        QFETCH(QString, homePage);
        QCOMPARE(resolveLocalPage(executable, homePageFile), homePage);
        QCOMPARE(QString(programFolder(executable) + u"doporucit.html"),
                 resolveLocalPage(executable, recommendPageFile));
    }

    void runningExecutableGivesItsOwnFolder()
    {
        const QString folder = QCoreApplication::applicationDirPath() + u'/';
        QCOMPARE(homePage(), QString(folder + u"index.html"));
        QCOMPARE(recommendPage(), QString(folder + u"doporucit.html"));
        // Nothing is cached: asking again gives the same, freshly resolved string.
        QCOMPARE(homePage(), homePage());
    }

    void remoteAddressesAreExact()
    {
        const RemoteHosts hosts{u"intl.test"_s, u"cz.test:8080"_s, u"alt.cz.test"_s,
                                u"online.test"_s, u"velmora.test"_s};
        QCOMPARE(remotePage(RemotePage::Help, hosts),
                 u"http://intl.test/help/index.php?act=kb&code=cat&id=3"_s);
        QCOMPARE(remotePage(RemotePage::About, hosts),
                 u"http://intl.test/index.php?page=shop.product_details&flypage=flypage"
                 u"&product_id=2&category_id=2&manufacturer_id=0&option=com_supacart"
                 u"&Itemid=110"_s);
        QCOMPARE(remotePage(RemotePage::Update, hosts),
                 u"http://intl.test/index.php?option=com_versions&catid=3"_s);
        QCOMPARE(remotePage(RemotePage::NationalUpdate, hosts),
                 u"http://cz.test:8080/index.php?option=com_versions&catid=3"_s);
        QCOMPARE(remotePage(RemotePage::OnlineEdition, hosts), u"http://online.test"_s);
        QCOMPARE(remotePage(RemotePage::MakerSite, hosts), u"http://cz.test:8080"_s);
        QCOMPARE(remotePage(RemotePage::CssProject, hosts), u"http://velmora.test"_s);
        QCOMPARE(remotePage(RemotePage::Support, hosts), u"http://cz.test:8080/help"_s);
        QCOMPARE(remotePage(RemotePage::Tips, hosts),
                 u"http://alt.cz.test/index.php?option=com_alphacontent&section=13&cat=37"
                 u"&Itemid=130"_s);
    }

    void defaultHostsStayInTheReservedDomain()
    {
        const RemoteHosts hosts = RemoteHosts::configured();
        for (const QString &host : {hosts.international, hosts.national, hosts.nationalAlternative,
                                    hosts.onlineEdition, hosts.velmora})
            QVERIFY2(host.endsWith(u".example"_s), qPrintable(host));
    }
};

TAGOVNIK_TEST_MAIN(TestPageAddresses)
#include "tst_pageaddresses.moc"
