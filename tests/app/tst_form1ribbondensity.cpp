#include "Unit1.h"
#include "application.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/ribbonbar.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "testmain.h"
#include "webbrowser.h"
#include "windowscaling.h"

#include <QScreen>

using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

// The main window on a screen of 144 logical pixels per inch, as a desktop set to 150 %
// shows it: the window font and the ribbon's band heights grow by the same factor.
class TestForm1RibbonDensity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bandHeightsFollowTheLogicalDensityLikeTheFont()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 144.0);
        TForm1 form;
        // 11 pixels at 96 dpi.
        QCOMPARE(form.font().pixelSize(), WindowScaling::fontPixelHeight(11, 144));
        QCOMPARE(form.font().pixelSize(), 17);

        RibbonBar *ribbon = form.Ribbon1;
        // H = 30 × 1.5; the body below it 117 × 1.5 rounded.
        QCOMPARE(ribbon->state().captionBarHeight, 45);
        QCOMPARE(ribbon->height(), 45 + 176);
        QCOMPARE(ribbon->sizeHint().height(), 45 + 176);

        form.showNormal();
        form.resize(1279, 691);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.size(), QSize(1279, 691));
        QCOMPARE(ribbon->captionBar()->height(), 45);
        QCOMPARE(ribbon->captionBar()->closeButton()->geometry().bottom() + 1, 45 - 2);
        // Tab row 2 × 1.5 below the caption bar and 23 × 1.5 high; page 24 × 1.5 below it
        // and 93 × 1.5 high.
        const QRect tab = ribbon->tabs().at(0)->geometry();
        QCOMPARE(tab.top(), 45 + 3);
        QCOMPARE(tab.height(), 35);
        const QRect page = ribbon->page(0)->geometry();
        QCOMPARE(page.top(), 45 + 36);
        QCOMPARE(page.height(), 140);
        QCOMPARE(form.WebBrowser1->geometry().top(), 45 + 176);
    }
};

int main(int argc, char *argv[])
{
    // Qt's own scaling off, so that the screen's density reaches the program as it is.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "144");
    Tagovnik::prepareWebEngine();
    Tagovnik::Application app(argc, argv);
    TestForm1RibbonDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1ribbondensity.moc"
