#include "Unit1.h"
#include "actionmanager.h"
#include "application.h"
#include "error.h"
#include "pageaddresses.h"
#include "recordingform.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/model/entryforms.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/ribbonbar.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/windowchrome/windowframe.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

// The main window's ribbon: its structure, tabs, states and what its controls do.
class TestForm1Ribbon : public QObject
{
    Q_OBJECT

    static void showAt(QWidget &window, QSize size)
    {
        window.showNormal();
        window.resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.size(), size);
    }

    static RibbonEntryButton *entryFor(const RibbonPageWidget *page, const QString &command)
    {
        for (RibbonGroupWidget *group : page->groupsInDisplayOrder()) {
            for (RibbonEntryButton *entry : group->entries()) {
                if (entry->entry().command == command)
                    return entry;
            }
        }
        return nullptr;
    }

    static void wheel(QWidget *over, int delta)
    {
        const QPointF at = QPointF(over->rect().center());
        QWheelEvent event(at, over->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(over, &event);
    }

private Q_SLOTS:
    void opensOnTheFirstTabWhateverWasStored()
    {
        TForm1 form;
        RibbonBar *ribbon = form.Ribbon1;
        QCOMPARE(ribbon->objectName(), u"Ribbon1"_s);
        QCOMPARE(ribbon->definition().storedTabIndex, 1);
        QCOMPARE(ribbon->tabIndex(), 0);
        QCOMPARE(ribbon->tabCount(), 2);
        QCOMPARE(ribbon->tabs().at(0)->text(), u"Domů"_s);
        QCOMPARE(ribbon->tabs().at(1)->text(), u"Další"_s);
        QStringList groups;
        for (RibbonGroupWidget *group : ribbon->page(0)->groupsInDisplayOrder())
            groups << group->definition().caption;
        QCOMPARE(groups, (QStringList{u"Orvalis"_s, u"Navigace"_s}));
        groups.clear();
        for (RibbonGroupWidget *group : ribbon->page(1)->groupsInDisplayOrder())
            groups << group->definition().caption;
        QCOMPARE(groups, (QStringList{u"Systém"_s, u"Program"_s}));
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.menuWidget(), ribbon);
    }

    void badTabIndexAndSecondRibbonFail()
    {
        TForm1 form;
        try {
            form.Ribbon1->setTabIndex(2);
            QFAIL("an index past the tabs must fail");
        } catch (const Error &error) {
            QCOMPARE(error.message(), u"Specified TabIndex is invalid"_s);
        }
        QCOMPARE(form.Ribbon1->tabIndex(), 0);
        RibbonContext context({form.ActionManager1, form.ActionManager2, form.ActionManager3},
                              form.font());
        try {
            RibbonBar second(context, form.Ribbon1->definition(), &form);
            QFAIL("a second ribbon must fail");
        } catch (const Error &error) {
            QCOMPARE(error.message(), u"Only one Ribbon control on a Form is allowed"_s);
        }
    }

    void heightsAndTheCaptionOnlyState()
    {
        TForm1 form;
        showAt(form, QSize(1279, 691));
        QCOMPARE(form.Ribbon1->height(), 147);
        QCOMPARE(form.WebBrowser1->geometry().top(), 147);
        // Restored, the window's resizing border runs along its sides and bottom.
        const int border = Ribbon::WindowFrame::kBorderWidth;
        QCOMPARE(form.WebBrowser1->height(), 691 - 147 - border);

        const struct
        {
            QSize size;
            bool captionOnly;
        } cases[] = {{{800, 250}, true},
                     {{800, 251}, false},
                     {{299, 600}, true},
                     {{300, 600}, false},
                     {{1279, 691}, false}};
        for (const auto &c : cases) {
            form.resize(c.size);
            QTRY_COMPARE(form.size(), c.size);
            QCOMPARE(form.Ribbon1->isCaptionOnly(), c.captionOnly);
            QCOMPARE(form.Ribbon1->height(), c.captionOnly ? 30 : 147);
            QCOMPARE(form.Ribbon1->captionBar()->applicationButton()->isVisible(), !c.captionOnly);
            QCOMPARE(form.Ribbon1->tabs().at(0)->isVisible(), !c.captionOnly);
        }
    }

    // The resizing edges of the restored window lie outside the ribbon and the browser pane,
    // so neither the window buttons nor the page's scroll bars lose presses to them.
    void restoredWindowKeepsItsContentsInsideTheResizingBorder()
    {
        TForm1 form;
        showAt(form, QSize(1000, 600));
        const int border = Ribbon::WindowFrame::kBorderWidth;
        QCOMPARE(form.Ribbon1->geometry(), QRect(border, 0, 1000 - 2 * border, 147));
        QCOMPARE(form.WebBrowser1->geometry(),
                 QRect(border, 147, 1000 - 2 * border, 600 - 147 - border));
        const QAbstractButton *close = form.Ribbon1->captionBar()->closeButton();
        QCOMPARE(close->mapTo(&form, QPoint(close->width() - 1, 0)), QPoint(1000 - border - 1, 0));

        form.showMaximized();
        QTRY_VERIFY(form.isMaximized());
        QTRY_COMPARE(form.Ribbon1->geometry(), QRect(0, 0, form.width(), 147));
        QCOMPARE(form.WebBrowser1->geometry().bottomRight(),
                 QPoint(form.width() - 1, form.height() - 1));
    }

    // The toolbar's model decides where the ribbon places the toolbar: in the caption bar
    // above, or in a strip 26 high along the ribbon's bottom, the pane 26 lower.
    void quickAccessToolbarStandsWhereItsModelSays()
    {
        TForm1 form;
        showAt(form, QSize(1279, 691));
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        QCOMPARE(toolbar->parentWidget(), ribbon->captionBar());
        QCOMPARE(toolbar->geometry(), QRect(49, 5, 99, 24));

        ribbon->quickAccessToolbar().setPosition(QuickAccessPosition::BelowRibbon);
        QCOMPARE(ribbon->height(), 147 + 26);
        QTRY_COMPARE(form.WebBrowser1->geometry().top(), 147 + 26);
        QCOMPARE(toolbar->parentWidget(), ribbon);
        QVERIFY(toolbar->isVisible());
        QVERIFY(QRect(0, 147, ribbon->width(), 26).contains(toolbar->geometry()));
        QCOMPARE(ribbon->captionBar()->quickAccessPosition(), QuickAccessPosition::BelowRibbon);
        // The toolbar's entries still run their commands from there.
        QCOMPARE(toolbar->entries().size(), 3);
        QVERIFY(toolbar->entries().at(0)->isVisible());

        ribbon->quickAccessToolbar().setPosition(QuickAccessPosition::AboveRibbon);
        QCOMPARE(ribbon->height(), 147);
        QTRY_COMPARE(form.WebBrowser1->geometry().top(), 147);
        QCOMPARE(toolbar->parentWidget(), ribbon->captionBar());
        QCOMPARE(toolbar->geometry(), QRect(49, 5, 99, 24));
        QVERIFY(toolbar->isVisible());
    }

    // Entries added to or hidden in the model show on the toolbar at once.
    void quickAccessToolbarFollowsItsEntries()
    {
        TForm1 form;
        showAt(form, QSize(1279, 691));
        QuickAccessToolbarModel &model = form.Ribbon1->quickAccessToolbar();
        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();
        model.addEntry(commandEntry(u"&Stop", u"stop", 8));
        QCOMPARE(toolbar->entries().size(), 4);
        QCOMPARE(toolbar->entries().at(3)->command()->name(), u"stop"_s);
        QTRY_VERIFY(toolbar->entries().at(3)->isVisible());
        QCOMPARE(toolbar->width(), 99 + 24);
        model.setShown(0, false);
        QTRY_VERIFY(!toolbar->entries().at(0)->isVisible());
        QCOMPARE(toolbar->width(), 99);
        model.removeEntry(3);
        QCOMPARE(toolbar->entries().size(), 3);
    }

    void wheelWalksThroughTheTabsAndStopsAtTheEnds()
    {
        TForm1 form;
        showAt(form, QSize(1279, 691));
        RibbonBar *ribbon = form.Ribbon1;
        wheel(ribbon->page(0), 120); // up on the first tab: stays
        QCOMPARE(ribbon->tabIndex(), 0);
        wheel(entryFor(ribbon->page(0), u"web3"_s), -120); // down over an entry
        QCOMPARE(ribbon->tabIndex(), 1);
        QVERIFY(ribbon->page(1)->isVisible());
        QVERIFY(!ribbon->page(0)->isVisible());
        wheel(ribbon->page(1), -120); // down on the last tab: stays
        QCOMPARE(ribbon->tabIndex(), 1);
        wheel(ribbon, 120);
        QCOMPARE(ribbon->tabIndex(), 0);
    }

    void clickingTabsAndEntriesRunsTheirCommands()
    {
        RecordingForm form;
        showAt(form, QSize(1279, 691));
        RibbonBar *ribbon = form.Ribbon1;

        QTest::mouseClick(entryFor(ribbon->page(0), u"web3"_s), Qt::LeftButton);
        QTest::mouseClick(entryFor(ribbon->page(0), u"Action6"_s), Qt::LeftButton);
        QTest::mouseClick(ribbon->quickAccessToolbarEntries().at(2), Qt::LeftButton);
        QTest::mouseClick(ribbon->helpButton(), Qt::LeftButton);
        QTest::mouseClick(ribbon->tabs().at(1), Qt::LeftButton);
        QCOMPARE(ribbon->tabIndex(), 1);
        QTest::mouseClick(entryFor(ribbon->page(1), u"Action5"_s), Qt::LeftButton);
        const QString help = PageAddresses::remotePage(PageAddresses::RemotePage::Help);
        const QString maker = PageAddresses::remotePage(PageAddresses::RemotePage::MakerSite);
        const QString update = PageAddresses::remotePage(PageAddresses::RemotePage::Update);
        QCOMPARE(form.pane.calls, (QStringList{u"navigate "_s + maker, u"goBack"_s, u"goForward"_s,
                                               u"navigate "_s + help, u"navigate "_s + update}));
    }

    void disabledOrSuspendedEntriesDoNothing()
    {
        RecordingForm form;
        showAt(form, QSize(1279, 691));
        RibbonEntryButton *back = entryFor(form.Ribbon1->page(0), u"Action6"_s);
        RibbonEntryButton *home = entryFor(form.Ribbon1->page(0), u"domu"_s);
        form.ActionManager1->setState(ActionManager::State::Suspended);
        QTest::mouseClick(back, Qt::LeftButton);
        QTest::mouseClick(home, Qt::LeftButton);
        form.ActionManager1->setState(ActionManager::State::Normal);
        QCOMPARE(form.pane.calls.size(), 1);
        QVERIFY(form.pane.calls.constFirst().endsWith(u"/index.html"_s));

        back->command()->setEnabled(false);
        QVERIFY(!back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(form.pane.calls.size(), 1);
    }

    void everyControlIsAnAccessibleObject()
    {
        TForm1 form;
        showAt(form, QSize(1279, 691));
        RibbonBar *ribbon = form.Ribbon1;
        auto check = [](QWidget *widget, QAccessible::Role role, const QString &name) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible, qPrintable(name));
            QCOMPARE(accessible->role(), role);
            QCOMPARE(accessible->text(QAccessible::Name), name);
            QCOMPARE(accessible->rect(), QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
        };
        check(ribbon->tabs().at(0), QAccessible::PageTab, u"Domů"_s);
        check(ribbon->tabs().at(1), QAccessible::PageTab, u"Další"_s);
        check(ribbon->helpButton(), QAccessible::Button, u"Help"_s);
        check(ribbon->captionBar()->applicationButton(), QAccessible::Button, u"Tagovnik - menu"_s);
        check(ribbon->captionBar()->minimizeButton(), QAccessible::Button, u"Minimize"_s);
        check(ribbon->captionBar()->closeButton(), QAccessible::Button, u"Close"_s);
        check(entryFor(ribbon->page(0), u"web6"_s), QAccessible::Button, u"Tipy a triky"_s);
        check(entryFor(ribbon->page(0), u"domu"_s), QAccessible::Button, u"Domů"_s);
        // Entries that show only a picture still carry their command's caption.
        check(ribbon->quickAccessToolbarEntries().at(0), QAccessible::Button, u"Zpět"_s);
    }

    void noHoverHelpAnywhere()
    {
        TForm1 form;
        showAt(form, QSize(1279, 691));
        for (QWidget *widget : form.findChildren<QWidget *>()) {
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
            QVERIFY(widget->statusTip().isEmpty());
            if (!form.Ribbon1->isAncestorOf(widget) || !widget->isVisible())
                continue;
            QHelpEvent help(QEvent::ToolTip, widget->rect().center(),
                            widget->mapToGlobal(widget->rect().center()));
            QCoreApplication::sendEvent(widget, &help);
            QVERIFY2(!QToolTip::isVisible(), widget->metaObject()->className());
        }
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestForm1Ribbon)
#include "tst_form1ribbon.moc"
