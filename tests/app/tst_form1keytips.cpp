#include "Unit1.h"
#include "actionmanager.h"
#include "application.h"
#include "error.h"
#include "errorrecorder.h"
#include "fakebrowserpane.h"
#include "keyboardinput.h"
#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/keytips/keyboardfocusmark.h"
#include "ribbon/keytips/keytipcontroller.h"
#include "ribbon/keytips/keytiplabel.h"
#include "ribbon/keytips/ribbonkeyboardnavigation.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/ribbonbar.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QAccessible>
#include <QInputMethodQueryEvent>
#include <QPrintDialog>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

using Mode = KeyTipController::Mode;

namespace {

// The main window with its handlers driving a recording pane; refreshing can be made to fail.
class KeyTipForm : public TForm1
{
public:
    class Pane : public FakeBrowserPane
    {
    public:
        bool refreshFails = false;
        void refresh() override
        {
            FakeBrowserPane::refresh();
            if (refreshFails)
                throw Error(u"EOleException"_s, u"Refresh failed"_s, nullptr);
        }
    } pane;

    KeyTipController &keyTips() const { return *Ribbon1->findChild<KeyTipController *>(); }
    QAbstractButton *applicationButton() const { return Ribbon1->captionBar()->applicationButton(); }
    ApplicationMenuPopup *applicationMenu() const { return Ribbon1->captionBar()->applicationMenu(); }

protected:
    BrowserPane &browserPane() override { return pane; }
    PrintablePage &printablePage() override { return pane; }
};

QStringList labelTexts(const KeyTipController &keyTips)
{
    QStringList texts;
    for (const KeyTipLabel *label : keyTips.labels())
        texts << label->keyTip();
    return texts;
}

QString keyboardShortcutOf(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Accelerator);
}

QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        qWarning("the script did not answer");
    return result;
}

bool inputMethodEnabled(QObject *control)
{
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(control, &query);
    return query.value(Qt::ImEnabled).toBool();
}

} // namespace

// Key tips and keyboard navigation in the main window: the toolbar's numbers, the application
// button's "F", Alt alone against AltGr and Alt held, F10 from the browser pane, the arrows
// across the tabs, and the focus going back where it was.
class TestForm1KeyTips : public QObject
{
    Q_OBJECT

    // Shown, active, with the focus in the browser pane's engine.
    static QWidget *showWithEngineFocus(KeyTipForm &form)
    {
        form.resize(1100, 700);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return nullptr;
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitFor([&] { return form.isActiveWindow(); }))
            return nullptr;
        if (!QTest::qWaitFor([&] { return form.WebBrowser1->view()->focusProxy() != nullptr; }))
            return nullptr;
        QWidget *engine = form.WebBrowser1->view()->focusProxy();
        engine->setFocus();
        if (!QTest::qWaitFor([&] { return engine->hasFocus(); }))
            return nullptr;
        return engine;
    }

private Q_SLOTS:
    void typingTheToolbarsNumbersRunsTheirCommands()
    {
        KeyTipForm form;
        QWidget *engine = showWithEngineFocus(form);
        QVERIFY(engine);
        KeyTipController &keyTips = form.keyTips();
        QSignalSpy rejected(&keyTips, &KeyTipController::keyRejected);

        tapAlt(form);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        QCOMPARE(labelTexts(keyTips), (QStringList{u"F"_s, u"1"_s, u"2"_s, u"3"_s}));
        for (KeyTipLabel *label : keyTips.labels()) {
            QVERIFY(label->isVisible());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QVERIFY(label->toolTip().isEmpty());
            QVERIFY(label->statusTip().isEmpty());
            QVERIFY(label->whatsThis().isEmpty());
        }
        // Each toolbar label hangs from its entry.
        const QList<RibbonEntryButton *> entries = form.Ribbon1->quickAccessToolbarEntries();
        for (int i = 0; i < entries.size(); ++i) {
            const QRect entry(entries.at(i)->mapTo(&form, QPoint()), entries.at(i)->size());
            const QRect label = keyTips.labels().at(i + 1)->geometry();
            QCOMPARE(label.center().x(), entry.center().x());
            QVERIFY(label.intersects(entry));
        }
        // The focus stays in the pane, its input method resting meanwhile.
        QCOMPARE(QApplication::focusWidget(), engine);
        QVERIFY(!inputMethodEnabled(engine));

        click(form, Qt::Key_4);
        QCOMPARE(rejected.size(), 1);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        QVERIFY(form.pane.calls.isEmpty());

        click(form, Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(form.pane.calls, QStringList{u"refresh"_s});
        QCOMPARE(keyTips.mode(), Mode::Off);
        QVERIFY(keyTips.labels().isEmpty());
        QCOMPARE(QApplication::focusWidget(), engine);
        QCOMPARE(rejected.size(), 1);
    }

    void fOpensTheApplicationMenuAndEscGivesTheFocusBack()
    {
        KeyTipForm form;
        QWidget *engine = showWithEngineFocus(form);
        QVERIFY(engine);
        tapAlt(form);
        click(form, Qt::Key_F);
        QCOMPARE(form.keyTips().mode(), Mode::Off);
        QTRY_VERIFY(form.applicationMenu()->isVisible());
        click(form, Qt::Key_Escape);
        QTRY_VERIFY(!form.applicationMenu()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), engine);

        // In the menu the arrows move through the rows, and Enter chooses.
        tapAlt(form);
        click(form, Qt::Key_F);
        QTRY_VERIFY(form.applicationMenu()->isVisible());
        const QList<RibbonEntryButton *> &rows = form.applicationMenu()->entries();
        click(form, Qt::Key_Down);
        QCOMPARE(form.applicationMenu()->currentItem(), rows.at(0));
        click(form, Qt::Key_Up); // round to the option button " Konec"
        QCOMPARE(form.applicationMenu()->currentItem(),
                 form.applicationMenu()->optionButtons().constLast());
        click(form, Qt::Key_Down);
        click(form, Qt::Key_Down);
        QCOMPARE(form.applicationMenu()->currentItem(), rows.at(1));
        QVERIFY(form.pane.calls.isEmpty());
        click(form, Qt::Key_Return);
        QTRY_VERIFY(!form.applicationMenu()->isVisible());
        QCOMPARE(form.pane.calls.size(), 1);
        QVERIFY(form.pane.calls.constFirst().startsWith(u"navigate http"_s));
        QTRY_COMPARE(QApplication::focusWidget(), engine);

        // Esc in key-tip mode leaves it, and the page never sees the Esc.
        tapAlt(form);
        QCOMPARE(form.keyTips().mode(), Mode::TopLevel);
        click(form, Qt::Key_Escape);
        QCOMPARE(form.keyTips().mode(), Mode::Off);
        QCOMPARE(QApplication::focusWidget(), engine);
    }

    void onlyAltAloneEntersTheMode()
    {
        KeyTipForm form;
        QVERIFY(showWithEngineFocus(form));
        KeyTipController &keyTips = form.keyTips();

        // AltGr of a layout that has it.
        QTest::sendKeyEvent(QTest::Press, keyTarget(form), Qt::Key_AltGr, QString(),
                            Qt::GroupSwitchModifier);
        QTest::sendKeyEvent(QTest::Release, keyTarget(form), Qt::Key_AltGr, QString(),
                            Qt::NoModifier);
        QCOMPARE(keyTips.mode(), Mode::Off);
        // Alt held for Alt+F4.
        QTest::keyPress(keyTarget(form), Qt::Key_Alt);
        QTest::keyClick(keyTarget(form), Qt::Key_F4, Qt::AltModifier);
        QTest::keyRelease(keyTarget(form), Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(keyTips.mode(), Mode::Off);
        // Alt held while clicking.
        QTest::keyPress(keyTarget(form), Qt::Key_Alt);
        QTest::mouseClick(form.Ribbon1, Qt::LeftButton, Qt::AltModifier, QPoint(600, 15));
        QTest::keyRelease(keyTarget(form), Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(keyTips.mode(), Mode::Off);
        // Alt alone enters, and Alt alone again leaves.
        tapAlt(form);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        tapAlt(form);
        QCOMPARE(keyTips.mode(), Mode::Off);
    }

    void f10FromTheBrowserPaneKeepsItsSelectionAndCaret()
    {
        KeyTipForm form;
        QWidget *engine = showWithEngineFocus(form);
        QVERIFY(engine);
        QWebEngineView *view = form.WebBrowser1->view();
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        view->setHtml(u"<html><body><input id='field' value='abcdef'></body></html>"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
        // A new page may come with a new widget of the engine.
        engine = view->focusProxy();
        engine->setFocus();
        QTRY_VERIFY(engine->hasFocus());
        evaluate(view->page(), u"var f = document.getElementById('field'); f.focus();"
                               " f.setSelectionRange(1, 4); true"_s);
        QTRY_VERIFY(inputMethodEnabled(engine));

        KeyTipController &keyTips = form.keyTips();
        click(form, Qt::Key_F10);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        QVERIFY(!inputMethodEnabled(engine));
        click(form, Qt::Key_F10);
        QCOMPARE(keyTips.mode(), Mode::Off);
        QVERIFY(inputMethodEnabled(engine));

        // Through keyboard navigation the focus leaves the pane, and comes back with Esc.
        click(form, Qt::Key_F10);
        click(form, Qt::Key_Right);
        QCOMPARE(keyTips.mode(), Mode::Off);
        QVERIFY(keyTips.navigation().isActive());
        QCOMPARE(QApplication::focusWidget(), form.Ribbon1->tabs().at(1));
        click(form, Qt::Key_A); // a letter in navigation types nothing into the page
        click(form, Qt::Key_Escape);
        QVERIFY(!keyTips.navigation().isActive());
        QTRY_COMPARE(QApplication::focusWidget(), engine);
        QTRY_VERIFY(inputMethodEnabled(engine));
        const QString state =
            evaluate(view->page(), u"var f = document.activeElement; f.id + ' ' + f.value + ' ' +"
                                   " f.selectionStart + ' ' + f.selectionEnd"_s)
                .toString();
        QCOMPARE(state, u"field abcdef 1 4"_s);
    }

    void arrowsWalkTheTabsAndTheApplicationButton()
    {
        KeyTipForm form;
        QWidget *engine = showWithEngineFocus(form);
        QVERIFY(engine);
        KeyTipController &keyTips = form.keyTips();
        RibbonKeyboardNavigation &navigation = keyTips.navigation();
        const QList<RibbonTabButton *> &tabs = form.Ribbon1->tabs();
        QAbstractButton *application = form.applicationButton();
        const auto marked = [&](QWidget *control) {
            auto *mark = control->findChild<KeyboardFocusMark *>();
            return QApplication::focusWidget() == control && mark && mark->isVisible() &&
                   navigation.current() == control;
        };

        tapAlt(form);
        click(form, Qt::Key_Right);
        QCOMPARE(form.Ribbon1->tabIndex(), 1);
        QVERIFY(marked(tabs.at(1)));
        // Right past the last tab reaches the application button, and on to the first tab.
        click(form, Qt::Key_Right);
        QVERIFY(marked(application));
        QCOMPARE(form.Ribbon1->tabIndex(), 1);
        QVERIFY(!tabs.at(1)->findChild<KeyboardFocusMark *>());
        click(form, Qt::Key_Right);
        QVERIFY(marked(tabs.at(0)));
        QCOMPARE(form.Ribbon1->tabIndex(), 0);
        // Left on the first tab reaches the application button too.
        click(form, Qt::Key_Left);
        QVERIFY(marked(application));
        click(form, Qt::Key_Left);
        QVERIFY(marked(tabs.at(1)));
        click(form, Qt::Key_Escape);
        QVERIFY(!navigation.isActive());
        QCOMPARE(QApplication::focusWidget(), engine);
        QVERIFY(!application->findChild<KeyboardFocusMark *>());

        // Enter on the application button opens its menu; Esc there gives the focus back.
        click(form, Qt::Key_F10);
        click(form, Qt::Key_Left);
        QVERIFY(marked(tabs.at(0)));
        click(form, Qt::Key_Left);
        QVERIFY(marked(application));
        click(form, Qt::Key_Return);
        QTRY_VERIFY(form.applicationMenu()->isVisible());
        QVERIFY(!navigation.isActive());
        click(form, Qt::Key_Escape);
        QTRY_VERIFY(!form.applicationMenu()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), engine);

        // Space does the same.
        tapAlt(form);
        click(form, Qt::Key_Left);
        QVERIFY(marked(application));
        click(form, Qt::Key_Space);
        QTRY_VERIFY(form.applicationMenu()->isVisible());
        form.applicationMenu()->close();
    }

    void clicksTabAndTheOtherKeysLeaveTheMode()
    {
        KeyTipForm form;
        QWidget *engine = showWithEngineFocus(form);
        QVERIFY(engine);
        KeyTipController &keyTips = form.keyTips();

        tapAlt(form);
        QTest::mouseClick(form.WebBrowser1, Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(keyTips.mode(), Mode::Off);
        QVERIFY(keyTips.labels().isEmpty());

        tapAlt(form);
        QTest::mouseClick(form.Ribbon1, Qt::LeftButton, {}, QPoint(600, 15));
        QCOMPARE(keyTips.mode(), Mode::Off);

        for (int key : {int(Qt::Key_Tab), int(Qt::Key_Up), int(Qt::Key_Down)}) {
            engine->setFocus();
            tapAlt(form);
            QCOMPARE(keyTips.mode(), Mode::TopLevel);
            click(form, key);
            QCOMPARE(keyTips.mode(), Mode::Off);
        }

        // The wheel over the ribbon does nothing meanwhile.
        engine->setFocus();
        tapAlt(form);
        QWidget *page = form.Ribbon1->page(0);
        const QPointF at = QPointF(page->rect().center());
        QWheelEvent wheel(at, page->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(page, &wheel);
        QCOMPARE(form.Ribbon1->tabIndex(), 0);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
    }

    void shortcutsWorkAsBeforeInTheMode()
    {
        KeyTipForm form;
        QVERIFY(showWithEngineFocus(form));
        KeyTipController &keyTips = form.keyTips();
        tapAlt(form);
        QPrintDialog *seen = nullptr;
        QTimer::singleShot(100, &form, [&] {
            seen = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (seen)
                seen->reject();
        });
        click(form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(seen);
        QCOMPARE(keyTips.mode(), Mode::Off);
    }

    void aFailingCommandIsReportedAndTheModeEnds()
    {
        KeyTipForm form;
        QVERIFY(showWithEngineFocus(form));
        form.pane.refreshFails = true;
        ErrorRecorder errors;
        tapAlt(form);
        click(form, Qt::Key_2);
        QCOMPARE(errors.messages, QStringList{u"Refresh failed"_s});
        QCOMPARE(form.keyTips().mode(), Mode::Off);
        QVERIFY(form.keyTips().labels().isEmpty());
    }

    void tenAndMoreToolbarEntries()
    {
        KeyTipForm form;
        QVERIFY(showWithEngineFocus(form));
        KeyTipController &keyTips = form.keyTips();
        QuickAccessToolbarModel &model = form.Ribbon1->quickAccessToolbar();
        // Eight more: "Tipy a triky" tenth, "Domů" eleventh.
        for (const QString &command : {u"stop"_s, u"web1"_s, u"web2"_s, u"web3"_s, u"web4"_s,
                                       u"web5"_s, u"web6"_s, u"domu"_s})
            model.addEntry({u"&x"_s, command, 10, false, {}});
        const QList<RibbonEntryButton *> entries = form.Ribbon1->quickAccessToolbarEntries();
        QCOMPARE(entries.size(), 11);
        QCOMPARE(keyboardShortcutOf(entries.at(8)), u"Alt, 9"_s);
        QCOMPARE(keyboardShortcutOf(entries.at(9)), u"Alt, 0, 9"_s);
        QCOMPARE(keyboardShortcutOf(entries.at(10)), u"Alt, 0, 8"_s);

        tapAlt(form);
        QSignalSpy rejected(&keyTips, &KeyTipController::keyRejected);
        click(form, Qt::Key_0);
        // Only the key tips that begin with 0 stay on show.
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        QCOMPARE(rejected.size(), 0);
        for (KeyTipLabel *label : keyTips.labels())
            QVERIFY(label->keyTip().startsWith(u'0'));
        click(form, Qt::Key_F);
        QCOMPARE(rejected.size(), 1);
        click(form, Qt::Key_8);
        QCOMPARE(keyTips.mode(), Mode::Off);
        QCOMPARE(form.pane.calls.size(), 1);
        QVERIFY(form.pane.calls.constFirst().startsWith(u"navigate "_s));
        QVERIFY(form.pane.calls.constFirst().endsWith(u"/index.html"_s));
    }

    void screenReadersHearTheKeyTips()
    {
        KeyTipForm form;
        QuickAccessToolbarModel &model = form.Ribbon1->quickAccessToolbar();
        const QList<RibbonEntryButton *> entries = form.Ribbon1->quickAccessToolbarEntries();
        QCOMPARE(keyboardShortcutOf(form.applicationButton()), u"Alt, F"_s);
        QCOMPARE(keyboardShortcutOf(entries.at(0)), u"Alt, 1"_s);
        QCOMPARE(keyboardShortcutOf(entries.at(1)), u"Alt, 2"_s);
        QCOMPARE(keyboardShortcutOf(entries.at(2)), u"Alt, 3"_s);
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(entries.at(1))->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{u"Alt, 2"_s});
        // A hidden entry has no number; the ones after it move up.
        model.setShown(0, false);
        QCOMPARE(keyboardShortcutOf(entries.at(0)), QString());
        QCOMPARE(keyboardShortcutOf(entries.at(1)), u"Alt, 1"_s);
        QCOMPARE(keyboardShortcutOf(entries.at(2)), u"Alt, 2"_s);
        // Tabs without a key tip announce none.
        QCOMPARE(keyboardShortcutOf(form.Ribbon1->tabs().at(0)), QString());
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestForm1KeyTips)
#include "tst_form1keytips.moc"
