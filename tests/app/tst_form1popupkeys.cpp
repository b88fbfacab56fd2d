#include "application.h"
#include "keyboardinput.h"
#include "pageaddresses.h"
#include "recordingform.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccessgroupbutton.h"
#include "ribbon/captionbar/quickaccessoverflowpopup.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/keytips/keytipcontroller.h"
#include "ribbon/keytips/keytiplabel.h"
#include "ribbon/keytips/keytipmatcher.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/page/groupdropdown.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/ribbonbar.h"
#include "testmain.h"

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

using Mode = KeyTipController::Mode;

// The keyboard in the ribbon's pop-ups and on toolbar entries that do not fit: the toolbar's
// pop-up and a group added to the toolbar go by the arrows, Enter and Esc, and the key tips of
// entries out of sight hang below the toolbar's end button.
class TestForm1PopupKeys : public QObject
{
    Q_OBJECT

    static void showActive(QWidget &window, QSize size = {1100, 700})
    {
        window.showNormal();
        window.resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.size(), size);
        QApplication::setActiveWindow(&window);
        QTRY_VERIFY(window.isActiveWindow());
    }

    static KeyTipController &keyTips(const RecordingForm &form)
    {
        return *form.Ribbon1->findChild<KeyTipController *>();
    }

    // Adds the entries of Orvalis to the toolbar until some no longer fit.
    static QList<RibbonEntryButton *> overflow(RecordingForm &form)
    {
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        const RibbonPageWidget *home = ribbon->page(0);
        for (const RibbonGroupWidget *group : home->groups()) {
            if (group->definition().caption != u"Orvalis")
                continue;
            for (RibbonEntryButton *added : group->entries()) {
                ribbon->quickAccessToolbar().addEntry(added->entry());
                if (toolbar->isOverflowing() && toolbar->overflowEntries().size() >= 2)
                    break;
            }
        }
        if (!QTest::qWaitFor([&] { return toolbar->isOverflowing(); }))
            qWarning("The toolbar does not overflow");
        return toolbar->overflowEntries();
    }

    // What the entry's command does when it is clicked, which its key must do as well.
    static QStringList runOf(RecordingForm &form, QAbstractButton *entry)
    {
        form.pane.calls.clear();
        entry->click();
        const QStringList calls = form.pane.calls;
        form.pane.calls.clear();
        return calls;
    }

    static void type(QWidget &window, const QString &keyTip)
    {
        for (QChar key : keyTip)
            click(window, key.toUpper().unicode());
    }

    static QRect onScreen(const QWidget *widget)
    {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    }

    static bool isShownCurrent(QAbstractButton *button)
    {
        auto *ribbonButton = qobject_cast<RibbonButton *>(button);
        return ribbonButton && ribbonButton->isKeyboardCurrent() && button->hasFocus();
    }

private Q_SLOTS:
    void keyTipsOfEntriesOutOfSightHangBelowTheEndButton()
    {
        RecordingForm form;
        showActive(form, QSize(420, 600));
        const QList<RibbonEntryButton *> outOfSight = overflow(form);
        QVERIFY(outOfSight.size() >= 2);
        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();
        const QList<RibbonEntryButton *> shown = toolbar->shownEntries();
        const QStringList expected = runOf(form, outOfSight.constLast());
        QCOMPARE(expected.size(), 1);

        tapAlt(form);
        QCOMPARE(keyTips(form).mode(), Mode::TopLevel);
        const QList<KeyTipLabel *> labels = keyTips(form).labels();
        QCOMPARE(labels.size(), 1 + shown.size());
        const QRect end = onScreen(toolbar->endButton());
        int rowRight = end.left() - 1;
        for (int i = 0; i < shown.size(); ++i) {
            KeyTipLabel *label = labels.at(i + 1);
            QCOMPARE(label->keyTip(), quickAccessKeyTip(i));
            QVERIFY(label->isVisible());
            QVERIFY(onScreen(&form).contains(onScreen(label)));
            if (!outOfSight.contains(shown.at(i))) {
                QVERIFY(label->picture().isNull());
                QVERIFY(onScreen(label).intersects(onScreen(shown.at(i))));
                continue;
            }
            // In a row hanging from the end button as the others hang from their entries, in
            // toolbar order, each with its entry's picture.
            QVERIFY(!label->picture().isNull());
            QVERIFY(qAbs(onScreen(label).center().y() - end.bottom()) <= 1);
            QVERIFY(onScreen(label).left() > rowRight);
            rowRight = onScreen(label).right();
            QVERIFY(label->sizeHint().width() > label->picture().deviceIndependentSize().width());
        }

        type(form, quickAccessKeyTip(int(shown.size()) - 1));
        QCOMPARE(keyTips(form).mode(), Mode::Off);
        QCOMPARE(form.pane.calls, expected);
        QVERIFY(keyTips(form).labels().isEmpty());
    }

    void theToolbarsPopupGoesByTheKeyboard()
    {
        RecordingForm form;
        showActive(form, QSize(420, 600));
        const QList<RibbonEntryButton *> outOfSight = overflow(form);
        QVERIFY(outOfSight.size() >= 2);
        const QStringList secondRuns = runOf(form, outOfSight.at(1));
        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();

        QTest::mouseClick(toolbar->endButton(), Qt::LeftButton);
        auto *popup = qobject_cast<QuickAccessOverflowPopup *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        const QList<RibbonEntryButton *> items = popup->entries();
        QVERIFY(!popup->currentItem());
        // The entries stand in a row: Right and Down go forward, Left back, round the ends.
        click(form, Qt::Key_Right);
        QCOMPARE(popup->currentItem(), items.at(0));
        QVERIFY(isShownCurrent(items.at(0)));
        click(form, Qt::Key_Down);
        QCOMPARE(popup->currentItem(), items.at(1));
        QVERIFY(isShownCurrent(items.at(1)));
        QVERIFY(!items.at(0)->isKeyboardCurrent());
        click(form, Qt::Key_Left);
        click(form, Qt::Key_Left);
        QCOMPARE(popup->currentItem(), popup->menuButton());
        click(form, Qt::Key_Right);
        click(form, Qt::Key_Right);
        QCOMPARE(popup->currentItem(), items.at(1));
        QVERIFY(form.pane.calls.isEmpty());
        click(form, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(form.pane.calls, secondRuns);

        // Esc closes it and nothing runs.
        form.pane.calls.clear();
        QTest::mouseClick(toolbar->endButton(), Qt::LeftButton);
        QVERIFY(QApplication::activePopupWidget());
        click(form, Qt::Key_Right);
        click(form, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(form.pane.calls.isEmpty());
    }

    void aGroupOnTheToolbarOpensByItsKeyTipAndGoesByTheKeyboard()
    {
        RecordingForm form;
        showActive(form);
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        ribbon->quickAccessToolbar().addGroup(ribbon->definition().pages.at(1).groups.at(0));
        QTRY_COMPARE(toolbar->shownEntries().size(), 4);
        auto *button = qobject_cast<QuickAccessGroupButton *>(toolbar->shownEntries().constLast());
        QVERIFY(button);
        QTRY_VERIFY(button->isVisible());
        QWidget *focus = QApplication::focusWidget();
        const QString update = PageAddresses::remotePage(PageAddresses::RemotePage::Update);

        tapAlt(form);
        click(form, Qt::Key_4);
        QCOMPARE(keyTips(form).mode(), Mode::Off);
        QVERIFY(button->isDroppedDown());
        QCOMPARE(QApplication::activePopupWidget(), button->dropDown());
        QVERIFY(form.pane.calls.isEmpty());
        // It hangs from its button.
        QVERIFY(qAbs(onScreen(button->dropDown()).top() - onScreen(button).bottom()) <= 4);
        const QList<RibbonEntryButton *> entries = button->dropDown()->group()->entries();
        QCOMPARE(entries.size(), 1);
        click(form, Qt::Key_Down);
        QCOMPARE(button->dropDown()->currentItem(), entries.at(0));
        QVERIFY(isShownCurrent(entries.at(0)));
        click(form, Qt::Key_Return);
        QTRY_VERIFY(!button->isDroppedDown());
        QCOMPARE(form.pane.calls, QStringList{u"navigate "_s + update});

        // The entry's access letter chooses it at once; Esc closes and gives the focus back.
        form.pane.calls.clear();
        tapAlt(form);
        click(form, Qt::Key_4);
        QVERIFY(button->isDroppedDown());
        click(form, Qt::Key_A);
        QTRY_VERIFY(!button->isDroppedDown());
        QCOMPARE(form.pane.calls, QStringList{u"navigate "_s + update});
        tapAlt(form);
        click(form, Qt::Key_4);
        QVERIFY(button->isDroppedDown());
        click(form, Qt::Key_Escape);
        QTRY_VERIFY(!button->isDroppedDown());
        QCOMPARE(form.pane.calls.size(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), focus);
    }

    void aGroupOutOfSightDropsDownBelowTheEndButton()
    {
        RecordingForm form;
        showActive(form, QSize(420, 600));
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        QVERIFY(!overflow(form).isEmpty());
        ribbon->quickAccessToolbar().addGroup(ribbon->definition().pages.at(1).groups.at(0));
        QTRY_VERIFY(qobject_cast<QuickAccessGroupButton *>(toolbar->overflowEntries().constLast()));
        auto *button = qobject_cast<QuickAccessGroupButton *>(toolbar->overflowEntries().constLast());
        QVERIFY(!button->isVisible());

        tapAlt(form);
        type(form, quickAccessKeyTip(int(toolbar->shownEntries().size()) - 1));
        QVERIFY(button->isDroppedDown());
        const QRect end = onScreen(toolbar->endButton());
        const QRect dropped = onScreen(button->dropDown());
        QVERIFY(qAbs(dropped.top() - end.bottom()) <= 4);
        QVERIFY(dropped.left() <= end.right() && dropped.right() >= end.left());
        click(form, Qt::Key_Escape);
        QTRY_VERIFY(!button->isDroppedDown());
        QVERIFY(form.pane.calls.isEmpty());
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestForm1PopupKeys)
#include "tst_form1popupkeys.moc"
