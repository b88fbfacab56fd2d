#include "ribbon/geometry/applicationmenulayout.h"

#include "ribbontestdata.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

namespace {

// "&Domů", "&Aktualizace", separator, "&O programu", "&Poslat příteli"; option "Konec".
ApplicationMenuInput programMenu(const QRect &button,
                                 const QRect &workArea = QRect(0, 0, 1280, 1024))
{
    return {button, workArea, {{}, {}, {true}, {}, {}}, {u"Konec"_s}, testCaptionMetrics().width};
}

} // namespace

class TestApplicationMenuLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contents()
    {
        ApplicationMenuInput input = programMenu(QRect(4, 9, 38, 38));
        ApplicationMenuLayout layout = layoutApplicationMenu(input);
        QCOMPARE(layout.popup.size(), QSize(420, 225));
        QCOMPARE(layout.entries.at(2), QRect(6, 106, 190, 2));
        QCOMPARE(layout.entries.at(4), QRect(6, 152, 190, 44));
        QCOMPARE(layout.entryPictures.at(0), QRect(12, 24, 32, 32));
        QVERIFY(layout.entryPictures.at(2).isNull());
        // " Konec" is 36 wide plus 6 each side; a second option stands 3 to its left.
        input.optionCaptions.append(u"Volby"_s);
        layout = layoutApplicationMenu(input);
        QCOMPARE(layout.optionButtons,
                 (QList<QRect>{QRect(368, 200, 48, 22), QRect(365 - 48, 200, 48, 22)}));

        input.entries[3].visible = false;
        layout = layoutApplicationMenu(input);
        QCOMPARE(layout.popup.height(), 181);
        QVERIFY(layout.entries.at(3).isNull());
        QCOMPARE(layout.entries.at(4).top(), 108);
    }

    void placementCoversTheButtonsLower16()
    {
        QCOMPARE(layoutApplicationMenu(programMenu(QRect(4, 9, 38, 38))).popup.topLeft(),
                 QPoint(-1, 31));
        QCOMPARE(layoutApplicationMenu(programMenu(QRect(865, 100, 38, 38))).popup.left(), 860);
        QCOMPARE(layoutApplicationMenu(programMenu(QRect(1000, 100, 38, 38))).popup.left(), 860);
        const QRect secondMonitor(1280, 0, 1920, 1040);
        QCOMPARE(layoutApplicationMenu(programMenu(QRect(2900, 40, 38, 38), secondMonitor))
                     .popup.topLeft(),
                 QPoint(2780, 62));
    }
};

QTEST_APPLESS_MAIN(TestApplicationMenuLayout)
#include "tst_applicationmenulayout.moc"
