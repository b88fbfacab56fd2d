#include "actionmanager.h"
#include "command.h"
#include "programdefinition.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/keytips/keytipcontroller.h"
#include "ribbon/keytips/keytiplabel.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/ribbonbar.h"
#include "testmain.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMainWindow>
#include <QScopeGuard>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

using Mode = KeyTipController::Mode;

namespace {

// The program's ribbon with key tips on both tabs and on some of the entries of each page, which
// the program's own window does not give them.
RibbonDefinition definitionWithPageKeyTips()
{
    RibbonDefinition definition = ProgramDefinition::ribbon();
    const QHash<QString, QString> entryKeyTips{{u"Action6"_s, u"Z"_s},
                                               {u"domu"_s, u"D"_s},
                                               {u"Action4"_s, u"P1"_s},
                                               {u"Action3"_s, u"P2"_s}};
    definition.pages[0].keyTip = u"H"_s;
    definition.pages[1].keyTip = u"A"_s;
    for (PageDefinition &page : definition.pages) {
        for (GroupDefinition &group : page.groups) {
            for (EntryDefinition &entry : group.entries)
                entry.keyTip = entryKeyTips.value(entry.command);
        }
    }
    return definition;
}

QStringList labelTexts(const KeyTipController &keyTips)
{
    QStringList texts;
    for (const KeyTipLabel *label : keyTips.labels())
        texts << label->keyTip();
    texts.sort();
    return texts;
}

RibbonEntryButton *entryOf(const RibbonPageWidget *page, const QString &command)
{
    for (RibbonEntryButton *entry : page->visibleEntries()) {
        if (entry->entry().command == command)
            return entry;
    }
    return nullptr;
}

QString keyboardShortcutOf(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Accelerator);
}

} // namespace

// Tabs and page entries with key tips, from a definition that gives them some: a tab's key tip
// moves the mode to its page, where the page's entries show theirs; Esc goes back up.
class TestKeyTipPages : public QObject
{
    Q_OBJECT

    struct Window
    {
        QMainWindow window;
        QLineEdit *editor = new QLineEdit(&window);
        RibbonBar *ribbon = nullptr;
    };

    ProgramDefinition::CommandLists m_lists;
    std::unique_ptr<RibbonContext> m_context;
    RibbonDefinition m_definition = definitionWithPageKeyTips();
    QStringList m_runs;

    std::unique_ptr<Window> show()
    {
        auto shown = std::make_unique<Window>();
        shown->ribbon = new RibbonBar(*m_context, m_definition, &shown->window);
        shown->window.setMenuWidget(shown->ribbon);
        shown->window.setCentralWidget(shown->editor);
        shown->window.resize(1100, 500);
        shown->window.show();
        if (!QTest::qWaitForWindowExposed(&shown->window))
            qWarning("The window was not exposed");
        QApplication::setActiveWindow(&shown->window);
        shown->editor->setFocus();
        if (!QTest::qWaitFor([&] { return shown->editor->hasFocus(); }))
            qWarning("The editor has no focus");
        return shown;
    }

    static void type(const QString &keys)
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

    static void tapAlt()
    {
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_lists.onRun = [this](const QString &command) { m_runs.append(command); };
        m_context = std::make_unique<RibbonContext>(m_lists.all(), QApplication::font());
    }

    void init() { m_runs.clear(); }

    void aTabsKeyTipLeadsToItsPagesKeyTips()
    {
        std::unique_ptr<Window> shown = show();
        RibbonBar *ribbon = shown->ribbon;
        auto &keyTips = *ribbon->findChild<KeyTipController *>();
        QSignalSpy rejected(&keyTips, &KeyTipController::keyRejected);

        tapAlt();
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        QCOMPARE(labelTexts(keyTips),
                 (QStringList{u"1"_s, u"2"_s, u"3"_s, u"A"_s, u"F"_s, u"H"_s}));
        // The tab's label hangs from the tab.
        for (KeyTipLabel *label : keyTips.labels()) {
            if (label->keyTip() == u"A") {
                const QRect tab(ribbon->tabs().at(1)->mapTo(&shown->window, QPoint()),
                                ribbon->tabs().at(1)->size());
                QVERIFY(label->geometry().intersects(tab));
            }
        }

        // Page entries have no key tips at the top level.
        type(u"P"_s);
        QCOMPARE(rejected.size(), 1);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);

        type(u"A"_s);
        QCOMPARE(ribbon->tabIndex(), 1);
        QCOMPARE(keyTips.mode(), Mode::PageLevel);
        QCOMPARE(labelTexts(keyTips), (QStringList{u"P1"_s, u"P2"_s}));
        // The focus stays where it was while the mode goes on.
        QCOMPARE(QApplication::focusWidget(), shown->editor);

        // "P" begins both: only they wait, still on show.
        type(u"P"_s);
        QCOMPARE(keyTips.mode(), Mode::PageLevel);
        QCOMPARE(labelTexts(keyTips), (QStringList{u"P1"_s, u"P2"_s}));
        QVERIFY(m_runs.isEmpty());
        type(u"3"_s);
        QCOMPARE(rejected.size(), 2);
        QCOMPARE(keyTips.mode(), Mode::PageLevel);
        type(u"2"_s);
        QCOMPARE(m_runs, QStringList{u"Action3"_s});
        QCOMPARE(keyTips.mode(), Mode::Off);
        QVERIFY(keyTips.labels().isEmpty());
        QCOMPARE(QApplication::focusWidget(), shown->editor);

        // Esc on a page goes back to the top level, whose key tips show again.
        tapAlt();
        type(u"H"_s);
        QCOMPARE(ribbon->tabIndex(), 0);
        QCOMPARE(labelTexts(keyTips), (QStringList{u"D"_s, u"Z"_s}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(keyTips.mode(), Mode::TopLevel);
        QCOMPARE(labelTexts(keyTips),
                 (QStringList{u"1"_s, u"2"_s, u"3"_s, u"A"_s, u"F"_s, u"H"_s}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(keyTips.mode(), Mode::Off);
        QCOMPARE(QApplication::focusWidget(), shown->editor);
        QCOMPARE(m_runs.size(), 1);
    }

    void theMinimisedRibbonDropsThePageDown()
    {
        std::unique_ptr<Window> shown = show();
        RibbonBar *ribbon = shown->ribbon;
        auto &keyTips = *ribbon->findChild<KeyTipController *>();
        ribbon->setMinimised(true);
        QVERIFY(!ribbon->droppedPage());

        tapAlt();
        type(u"A"_s);
        QVERIFY(ribbon->droppedPage());
        QTRY_VERIFY(ribbon->droppedPage()->isVisible());
        QCOMPARE(keyTips.mode(), Mode::PageLevel);
        QCOMPARE(labelTexts(keyTips), (QStringList{u"P1"_s, u"P2"_s}));
        // Each label lies on its entry in the dropped page.
        for (KeyTipLabel *label : keyTips.labels()) {
            RibbonEntryButton *entry = entryOf(
                ribbon->page(1), label->keyTip() == u"P1" ? u"Action4"_s : u"Action3"_s);
            QVERIFY(entry);
            const QRect onWindow(entry->mapTo(&shown->window, QPoint()), entry->size());
            QVERIFY(label->isVisible());
            QVERIFY(label->geometry().intersects(onWindow));
        }
        type(u"P1"_s);
        QCOMPARE(m_runs, QStringList{u"Action4"_s});
        QCOMPARE(keyTips.mode(), Mode::Off);
        QTRY_VERIFY(!ribbon->droppedPage() || !ribbon->droppedPage()->isVisible());
        QVERIFY(ribbon->isMinimised());
    }

    void aDisabledEntrysKeyTipIsDimmedAndBeeps()
    {
        Command *about = m_lists.list(u"ActionManager2").command(u"Action4"_s);
        QVERIFY(about);
        about->setEnabled(false);
        const auto enableAgain = qScopeGuard([about] { about->setEnabled(true); });
        std::unique_ptr<Window> shown = show();
        auto &keyTips = *shown->ribbon->findChild<KeyTipController *>();
        QSignalSpy rejected(&keyTips, &KeyTipController::keyRejected);
        tapAlt();
        type(u"A"_s);
        for (KeyTipLabel *label : keyTips.labels())
            QCOMPARE(label->isDimmed(), label->keyTip() == u"P1");
        type(u"P1"_s);
        QCOMPARE(rejected.size(), 1);
        QVERIFY(m_runs.isEmpty());
        // The mode waits for a key that can act.
        QCOMPARE(keyTips.mode(), Mode::PageLevel);
        type(u"P2"_s);
        QCOMPARE(m_runs, QStringList{u"Action3"_s});
    }

    void screenReadersHearTheWholePath()
    {
        std::unique_ptr<Window> shown = show();
        RibbonBar *ribbon = shown->ribbon;
        QCOMPARE(keyboardShortcutOf(ribbon->tabs().at(0)), u"Alt, H"_s);
        QCOMPARE(keyboardShortcutOf(ribbon->tabs().at(1)), u"Alt, A"_s);
        QCOMPARE(keyboardShortcutOf(entryOf(ribbon->page(0), u"domu"_s)), u"Alt, H, D"_s);
        QCOMPARE(keyboardShortcutOf(entryOf(ribbon->page(1), u"Action3"_s)), u"Alt, A, P, 2"_s);
        QCOMPARE(keyboardShortcutOf(entryOf(ribbon->page(0), u"Vpred"_s)), QString());
    }
};

TAGOVNIK_TEST_MAIN(TestKeyTipPages)
#include "tst_keytippages.moc"
