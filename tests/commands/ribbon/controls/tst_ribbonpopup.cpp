#include "ribbon/controls/ribbonbutton.h"
#include "ribbon/controls/ribbonpopup.h"

#include <QHelpEvent>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QToolTip>

using namespace Tagovnik::Ribbon;

namespace {

// A pop-up that counts the presses on its owner and shows one button to choose.
class CountingPopup : public RibbonPopup
{
public:
    CountingPopup(QWidget *owner) : RibbonPopup(owner, owner), button(new QPushButton(this))
    {
        resize(120, 60);
        button->setGeometry(10, 10, 100, 30);
        watchChoice(button);
    }

    QPushButton *button;
    QList<bool> ownerPresses;

protected:
    void ownerPressed(bool secondClick) override { ownerPresses.append(secondClick); }
};

class PlainRibbonButton : public RibbonButton
{
public:
    using RibbonButton::RibbonButton;
    using RibbonButton::visualState;

protected:
    void paintEvent(QPaintEvent *) override {}
};

void pressAtScreenPoint(QWidget *popup, const QPoint &global)
{
    QTest::mousePress(popup, Qt::LeftButton, {}, popup->mapFromGlobal(global));
}

} // namespace

// The behaviour every ribbon pop-up and button shares, on their own bases.
class TestRibbonPopup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chosenButtonRunsAfterThePopupHasGone()
    {
        QWidget window;
        window.setGeometry(100, 100, 400, 300);
        auto *owner = new QPushButton(&window);
        owner->setGeometry(20, 20, 80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        CountingPopup popup(owner);
        QList<bool> visibleWhenRun;
        connect(popup.button, &QAbstractButton::clicked, &popup,
                [&] { visibleWhenRun.append(popup.isVisible()); });
        popup.showBelow(QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size()));
        QVERIFY(popup.isVisible());
        // Hung below its owner, its near edge in line with the owner's.
        QCOMPARE(popup.pos(), owner->mapToGlobal(QPoint(0, owner->height())));

        QTest::mouseClick(popup.button, Qt::LeftButton);
        QCOMPARE(visibleWhenRun, QList<bool>{false});
        QVERIFY(!popup.isVisible());

        // A disabled button is not chosen and leaves the pop-up up.
        popup.showAt(QPoint(200, 200));
        popup.button->setEnabled(false);
        popup.choose(popup.button);
        QVERIFY(popup.isVisible());
        QCOMPARE(visibleWhenRun.size(), 1);
        popup.close();
    }

    void pressOnTheOwnerOnlyClosesAndCountsAsSecondClickSoonAfterOpening()
    {
        QWidget window;
        window.setGeometry(100, 100, 400, 300);
        auto *owner = new QPushButton(&window);
        owner->setGeometry(20, 20, 80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint ownerCentre = owner->mapToGlobal(owner->rect().center());

        CountingPopup popup(owner);
        popup.showAt(owner->mapToGlobal(QPoint(0, owner->height())));
        pressAtScreenPoint(&popup, ownerCentre);
        QVERIFY(!popup.isVisible());
        QCOMPARE(popup.ownerPresses, QList<bool>{true});
        QVERIFY(popup.testAttribute(Qt::WA_NoMouseReplay));

        // Shown again, it forgets that: a later press on the owner is a single click.
        popup.showAt(owner->mapToGlobal(QPoint(0, owner->height())));
        QVERIFY(!popup.testAttribute(Qt::WA_NoMouseReplay));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        pressAtScreenPoint(&popup, ownerCentre);
        QCOMPARE(popup.ownerPresses, (QList<bool>{true, false}));

        // Where the pop-up covers its owner, a press there is the pop-up's own.
        popup.showAt(owner->mapToGlobal(QPoint(10, 4)));
        pressAtScreenPoint(&popup, owner->mapToGlobal(QPoint(40, 12)));
        QVERIFY(popup.isVisible());
        QCOMPARE(popup.ownerPresses.size(), 2);
        // A press outside both closes it without a word to the owner.
        pressAtScreenPoint(&popup, window.mapToGlobal(QPoint(300, 250)));
        QVERIFY(!popup.isVisible());
        QCOMPARE(popup.ownerPresses.size(), 2);
    }

    void buttonsTakeNoFocusAndOfferNoHoverHelp()
    {
        PlainRibbonButton button;
        button.resize(40, 20);
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        QVERIFY(button.testAttribute(Qt::WA_Hover));
        // Even a tip set by hand never shows.
        button.setToolTip(QStringLiteral("tip"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(&button, &help);
        QVERIFY(!QToolTip::isVisible());
        QCOMPARE(button.visualState(), Palette::ButtonState::Normal);
        button.setDown(true);
        QCOMPARE(button.visualState(), Palette::ButtonState::Pressed);
    }
};

QTEST_MAIN(TestRibbonPopup)
#include "tst_ribbonpopup.moc"
