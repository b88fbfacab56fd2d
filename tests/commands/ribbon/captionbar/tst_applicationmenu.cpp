#include "programdefinition.h"
#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "errorrecorder.h"
#include "testmain.h"

#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

namespace {

// Whether every opaque pixel of `picture` appears unchanged somewhere inside `area` of `image`.
bool showsPicture(const QImage &image, const QRect &area, const QImage &picture)
{
    const QImage shown = image.convertToFormat(QImage::Format_ARGB32);
    const QImage wanted = picture.convertToFormat(QImage::Format_ARGB32);
    for (int top = area.top(); top + wanted.height() <= area.bottom() + 1; ++top) {
        for (int left = area.left(); left + wanted.width() <= area.right() + 1; ++left) {
            bool all = true;
            for (int y = 0; y < wanted.height() && all; ++y) {
                for (int x = 0; x < wanted.width() && all; ++x) {
                    const QRgb pixel = wanted.pixel(x, y);
                    all = qAlpha(pixel) != 255 || shown.pixel(left + x, top + y) == pixel;
                }
            }
            if (all)
                return true;
        }
    }
    return false;
}

} // namespace

// The application menu pop-up: its rows, heading and option button, where it hangs from the
// application button, and what choosing in it does.
class TestApplicationMenu : public QObject
{
    Q_OBJECT

    ProgramDefinition::CommandLists lists;
    RibbonContext context{lists.all(), QFont()};
    QStringList runs;
    std::function<void(const QString &)> onRun;

private Q_SLOTS:
    void initTestCase()
    {
        lists.onRun = [this](const QString &command) {
            runs.append(command);
            if (onRun)
                onRun(command);
        };
    }

    void init()
    {
        runs.clear();
        onRun = nullptr;
    }

    void showsRowsHeadingAndOption()
    {
        ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
        QStringList names;
        for (const RibbonEntryButton *row : menu.entries()) {
            names.append(row->accessibleName());
            QCOMPARE(row->kind(), RibbonEntryButton::Kind::ApplicationMenu);
            // The menu's list, whoever owns the command.
            QCOMPARE(&row->barList(), &lists.list(u"ActionManager1"));
            QCOMPARE(row->height(), 44);
        }
        QCOMPARE(names,
                 (QStringList{u"Domů"_s, u"Aktualizace"_s, u"O programu"_s, u"Poslat příteli"_s}));
        // Rows follow each other without gaps, except the separator's 2 between the second
        // and third.
        const auto &rows = menu.entries();
        QCOMPARE(rows.at(0)->y(), 18);
        QCOMPARE(rows.at(1)->y(), rows.at(0)->geometry().bottom() + 1);
        QCOMPARE(rows.at(2)->y(), rows.at(1)->geometry().bottom() + 1 + 2);
        QCOMPARE(rows.at(3)->y(), rows.at(2)->geometry().bottom() + 1);

        QCOMPARE(menu.heading(), u"Tagovnik - menu"_s);
        QCOMPARE(menu.size(), QSize(420, 225));
        QCOMPARE(menu.optionButtons().size(), 1);
        const QAbstractButton *quit = menu.optionButtons().constFirst();
        QCOMPARE(quit->text(), u" Konec"_s);
        QCOMPARE(quit->geometry().right(), 420 - 4 - 1);
        QCOMPARE(quit->y(), 225 - 25);
        QVERIFY(quit->geometry().right() > menu.menuLayout().rightPane.left());
    }

    void rowForAction1ShowsTheMenuListsThumb()
    {
        ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
        const QImage shown = menu.grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QRect row = menu.entries().at(3)->geometry();
        const QRect area(qRound(row.x() * ratio), qRound(row.y() * ratio),
                         qRound(row.width() * ratio), qRound(row.height() * ratio));
        const auto picture = [&](ImageListId list, int index) {
            return context.picture(list, index, ratio).toImage();
        };
        QVERIFY(showsPicture(shown, area, picture(ImageListId::ImageList1, 16)));
        // Not the command's own index in the menu's list (a clipboard), nor its own list's thumb.
        QVERIFY(!showsPicture(shown, area, picture(ImageListId::ImageList1, 12)));
        QVERIFY(!showsPicture(shown, area, picture(ImageListId::ImageList2, 12)));
    }

    void hangsFromTheApplicationButton_data()
    {
        QTest::addColumn<QPoint>("buttonOffset"); // from the work area's top left
        QTest::addColumn<bool>("pushedLeft");
        QTest::newRow("room to the right") << QPoint(4, 9) << false;
        QTest::newRow("at the right edge") << QPoint(-40, 9) << true;
    }
    void hangsFromTheApplicationButton()
    {
        QFETCH(QPoint, buttonOffset);
        QFETCH(bool, pushedLeft);
        const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint corner =
            buttonOffset.x() < 0 ? QPoint(work.right() + 1, work.top()) : work.topLeft();
        const QRect button(corner + buttonOffset, QSize(38, 38));

        ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
        menu.popup(button);
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.size(), QSize(420, 225));
        QCOMPARE(menu.y(), button.top() + 22);
        if (pushedLeft)
            QCOMPARE(menu.geometry().right(), work.right());
        else
            QCOMPARE(menu.x(), button.left() - 5);
    }

    void choosingRunsTheCommandOnceTheMenuHasGone_data()
    {
        QTest::addColumn<int>("row"); // -1: the option button
        QTest::addColumn<QString>("command");
        QTest::newRow("Domů") << 0 << u"domu"_s;
        QTest::newRow("Aktualizace") << 1 << u"Action5"_s;
        QTest::newRow("O programu") << 2 << u"Action4"_s;
        QTest::newRow("Poslat příteli") << 3 << u"Action1"_s;
        QTest::newRow("Konec") << -1 << u"Action7"_s;
    }
    void choosingRunsTheCommandOnceTheMenuHasGone()
    {
        QFETCH(int, row);
        QFETCH(QString, command);
        ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
        menu.popup(QRect(100, 100, 38, 38));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        bool menuUpWhileRunning = true;
        onRun = [&](const QString &) { menuUpWhileRunning = menu.isVisible(); };

        QAbstractButton *target = row < 0 ? menu.optionButtons().constFirst()
                                          : static_cast<QAbstractButton *>(menu.entries().at(row));
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(runs, QStringList{command});
        QVERIFY(!menuUpWhileRunning);
        QVERIFY(!menu.isVisible());
    }

    void keyboardChoosesByAccessLetterAndEscapeCancels()
    {
        ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
        menu.popup(QRect(100, 100, 38, 38));
        QTest::keyClick(&menu, Qt::Key_P);
        QCOMPARE(runs, QStringList{u"Action1"_s});
        QVERIFY(!menu.isVisible());

        menu.popup(QRect(100, 100, 38, 38));
        QTest::keyClick(&menu, Qt::Key_Escape);
        QVERIFY(!menu.isVisible());
        QCOMPARE(runs.size(), 1);
    }

    // The menu holds the mouse, so the second click of a double-click on the application
    // button reaches the menu.
    void secondClickOnTheButtonCountsAsDoubleClick()
    {
        QStyleHints *hints = QGuiApplication::styleHints();
        const int interval = hints->mouseDoubleClickInterval();
        const QRect button(100, 100, 38, 38);
        for (const bool quick : {true, false}) {
            hints->setMouseDoubleClickInterval(quick ? 10'000 : 0);
            ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
            QSignalSpy doubleClicks(&menu, &ApplicationMenuPopup::applicationButtonDoubleClicked);
            menu.popup(button);
            QTest::mousePress(&menu, Qt::LeftButton, {}, menu.mapFromGlobal(button.center()));
            QVERIFY(!menu.isVisible());
            QCOMPARE(doubleClicks.size(), quick ? 1 : 0);
        }
        hints->setMouseDoubleClickInterval(interval);
    }

    void commandErrorsReachTheErrorReportAtTheClick()
    {
        ErrorRecorder errors;
        ApplicationMenuPopup menu(context, ProgramDefinition::ribbon().applicationMenu);
        menu.popup(QRect(100, 100, 38, 38));
        onRun = [](const QString &) { throw std::runtime_error("failed"); };
        QTest::mouseClick(menu.entries().constFirst(), Qt::LeftButton);
        QCOMPARE(errors.messages, QStringList{u"failed"_s});
        QVERIFY(!menu.isVisible());
        QVERIFY(!menu.entries().constFirst()->isDown());
        // The next choice is handled normally.
        onRun = nullptr;
        menu.popup(QRect(100, 100, 38, 38));
        QTest::mouseClick(menu.entries().constFirst(), Qt::LeftButton);
        QCOMPARE(errors.messages.size(), 1);
        QCOMPARE(runs.size(), 2);
    }
};

TAGOVNIK_TEST_MAIN(TestApplicationMenu)
#include "tst_applicationmenu.moc"
