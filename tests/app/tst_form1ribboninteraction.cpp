#include "pageaddresses.h"
#include "recordingform.h"
#include "application.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccessgroupbutton.h"
#include "ribbon/captionbar/quickaccessoverflowpopup.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/menus/ribbonmenu.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/page/groupdropdown.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/ribbonbar.h"
#include "testmain.h"
#include "webbrowser.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

// Minimising the ribbon, its context menu and the quick access toolbar's menus, through the
// main window's real widgets with a recording pane.
class TestForm1RibbonInteraction : public QObject
{
    Q_OBJECT

    static constexpr int kExpanded = 147;
    static constexpr int kMinimised = 30 + 27;
    static constexpr int kStrip = 26;

    static void showAt(QWidget &window, QSize size = {1279, 691})
    {
        window.showNormal();
        window.resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.size(), size);
    }

    static RibbonGroupWidget *group(const RibbonPageWidget *page, const QString &caption)
    {
        for (RibbonGroupWidget *found : page->groups()) {
            if (found->definition().caption == caption)
                return found;
        }
        return nullptr;
    }

    static RibbonEntryButton *entry(const RibbonGroupWidget *in, const QString &command)
    {
        for (RibbonEntryButton *found : in->entries()) {
            if (found->entry().command == command)
                return found;
        }
        return nullptr;
    }

    RibbonEntryButton *navigation(const RibbonBar *ribbon, const QString &command)
    {
        return entry(group(ribbon->page(0), u"Navigace"_s), command);
    }

    // Press, release, the double-click's press, release: what a tab receives.
    static void doubleClick(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
    }

    static RibbonMenu *openMenu()
    {
        return qobject_cast<RibbonMenu *>(QApplication::activePopupWidget());
    }

    static RibbonMenu *rightClick(QWidget *widget, QPoint pos = {})
    {
        if (pos.isNull())
            pos = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
        QCoreApplication::sendEvent(widget, &event);
        return openMenu();
    }

    static RibbonMenu *dropDownMenu(RibbonBar *ribbon)
    {
        QTest::mouseClick(ribbon->captionBar()->quickAccessToolbar()->endButton(), Qt::LeftButton);
        return openMenu();
    }

    // The visible rows' texts, "-" for a separator.
    static QStringList texts(const QMenu *menu)
    {
        QStringList lines;
        for (const QAction *action : menu->actions())
            lines << (action->isSeparator() ? u"-"_s : action->text());
        return lines;
    }

    static void choose(RibbonMenu *menu, MenuCommand command)
    {
        QAction *action = menu->actionFor(command);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY2(!QApplication::activePopupWidget(),
                     qPrintable(openMenu() ? openMenu()->objectName() + texts(openMenu()).join(u'|')
                                           : QString()));
    }

    static void chooseText(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                QTRY_VERIFY(!QApplication::activePopupWidget());
                return;
            }
        }
        QFAIL(qPrintable(u"no row "_s + text));
    }

    static void dismiss()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    static bool addEnabledOn(QWidget *widget, QPoint pos = {})
    {
        RibbonMenu *menu = rightClick(widget, pos);
        const QAction *add = menu ? menu->actionFor(MenuCommand::AddToToolbar) : nullptr;
        const bool enabled = add && add->isEnabled();
        dismiss();
        return enabled;
    }

private Q_SLOTS:
    void cleanup() { dismiss(); }

    void doubleClicksMinimiseDropDownAndRestore()
    {
        RecordingForm form;
        showAt(form);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        RibbonBar *ribbon = form.Ribbon1;
        RibbonTabButton *home = ribbon->tabs().at(0);
        form.pane.calls.clear();

        doubleClick(home);
        QVERIFY(ribbon->isMinimised());
        QCOMPARE(ribbon->height(), kMinimised);
        QTRY_COMPARE(form.WebBrowser1->geometry().top(), kMinimised);
        QCOMPARE(ribbon->tabIndex(), -1);
        QVERIFY(!home->isChecked());
        QVERIFY(!ribbon->page(0)->isVisible());
        QVERIFY(!ribbon->droppedPage()); // the double-click's last release dropped nothing

        QTest::mouseClick(home, Qt::LeftButton);
        QWidget *dropped = ribbon->droppedPage();
        QVERIFY(dropped);
        QCOMPARE(ribbon->tabIndex(), 0);
        QVERIFY(home->isChecked());
        QVERIFY(ribbon->page(0)->isVisible());
        QVERIFY(dropped->isAncestorOf(ribbon->page(0)));
        // Over the top of the pane, which stays where it was.
        QCOMPARE(dropped->geometry().top(), kMinimised);
        QCOMPARE(form.WebBrowser1->geometry().top(), kMinimised);
        QVERIFY(dropped->geometry().intersects(form.WebBrowser1->geometry()));
        QTRY_VERIFY(ribbon->hasFocus());
        QVERIFY(ribbon->visibleEntries().contains(navigation(ribbon, u"stop"_s)));

        // The dropped page's entries work; the wheel changes nothing while minimised.
        QTest::mouseClick(navigation(ribbon, u"Action6"_s), Qt::LeftButton);
        QCOMPARE(form.pane.calls, QStringList{u"goBack"_s});
        QWheelEvent wheel(QPointF(5, 5), dropped->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(ribbon->page(0), &wheel);
        QCOMPARE(ribbon->tabIndex(), 0);

        // A click into the pane takes the page away and leaves no tab selected.
        QTest::mouseClick(form.WebBrowser1, Qt::LeftButton);
        QVERIFY(!ribbon->droppedPage());
        QCOMPARE(ribbon->tabIndex(), -1);
        QVERIFY(!home->isChecked());
        QVERIFY(!ribbon->page(0)->isVisible());

        doubleClick(home);
        QVERIFY(!ribbon->isMinimised());
        QCOMPARE(ribbon->tabIndex(), 0);
        QCOMPARE(ribbon->height(), kExpanded);
        QTRY_COMPARE(form.WebBrowser1->geometry().top(), kExpanded);
        QVERIFY(ribbon->page(0)->isVisible());
        QCOMPARE(ribbon->page(0)->parentWidget(), ribbon);
        QVERIFY(!ribbon->droppedPage());
    }

    void doubleClickOnAnUnselectedTabSelectsItThenMinimises()
    {
        TForm1 form;
        showAt(form);
        RibbonBar *ribbon = form.Ribbon1;
        RibbonTabButton *more = ribbon->tabs().at(1);
        doubleClick(more);
        QVERIFY(ribbon->isMinimised());
        QCOMPARE(ribbon->tabIndex(), -1);
        QTest::mouseClick(more, Qt::LeftButton);
        QCOMPARE(ribbon->tabIndex(), 1);
        QVERIFY(ribbon->droppedPage()->isAncestorOf(ribbon->page(1)));
        // Another tab swaps the dropped page; its double-click restores with it selected.
        doubleClick(ribbon->tabs().at(0));
        QVERIFY(!ribbon->isMinimised());
        QCOMPARE(ribbon->tabIndex(), 0);
        QVERIFY(ribbon->page(0)->isVisible());
        QVERIFY(!ribbon->page(1)->isVisible());
        QCOMPARE(ribbon->page(1)->parentWidget(), ribbon);

        // Minimised from the menu, the first mouse selection is swallowed all the same.
        choose(rightClick(ribbon->tabs().at(1)), MenuCommand::ToggleMinimised);
        QVERIFY(ribbon->isMinimised());
        QTest::mouseClick(more, Qt::LeftButton);
        QVERIFY(!ribbon->droppedPage());
        QTest::mouseClick(more, Qt::LeftButton);
        QVERIFY(ribbon->droppedPage());
        // Restoring with no tab selected shows the first.
        ribbon->setTabIndex(-1);
        RibbonMenu *menu = rightClick(more);
        QVERIFY(menu->actionFor(MenuCommand::ToggleMinimised)->isChecked());
        choose(menu, MenuCommand::ToggleMinimised);
        QCOMPARE(ribbon->tabIndex(), 0);
        QCOMPARE(ribbon->height(), kExpanded);
    }

    void contextMenuOnEntriesAddsThemOnce()
    {
        RecordingForm form;
        showAt(form);
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        RibbonEntryButton *stop = navigation(ribbon, u"stop"_s);

        RibbonMenu *menu = rightClick(stop);
        QVERIFY(menu);
        QCOMPARE(texts(menu), (QStringList{u"Add to Quick Access Toolbar"_s, u"-"_s,
                                           u"Customize Quick Access Toolbar..."_s,
                                           u"Show Quick Access Toolbar Below the Ribbon"_s, u"-"_s,
                                           u"Minimize the Ribbon"_s}));
        QVERIFY(!menu->actionFor(MenuCommand::ToggleMinimised)->isChecked());
        choose(menu, MenuCommand::AddToToolbar);
        QCOMPARE(toolbar->entries().size(), 4);
        RibbonEntryButton *added = toolbar->entries().constLast();
        QCOMPARE(added->entry().command, u"stop"_s);
        QCOMPARE(added->entry().caption, u"&Stop"_s);
        QCOMPARE(added->entry().imageIndex, 8);
        QVERIFY(!added->entry().showCaption);
        QTRY_VERIFY(added->isVisible());
        QCOMPARE(toolbar->width(), 99 + 24);
        QTest::mouseClick(added, Qt::LeftButton);
        QCOMPARE(form.pane.calls.constLast(), u"stop"_s);

        QVERIFY(!addEnabledOn(stop));
        // The toolbar holds the back command from the start.
        QVERIFY(!addEnabledOn(navigation(ribbon, u"Action6"_s)));
        // A command of another list keeps its own picture list there.
        QVERIFY(addEnabledOn(navigation(ribbon, u"domu"_s)));

        // The tab row and the page's empty area offer no adding.
        menu = rightClick(ribbon->tabs().at(0));
        QVERIFY(!menu->actionFor(MenuCommand::AddToToolbar));
        QCOMPARE(texts(menu).size(), 4);
        dismiss();
        const RibbonGroupWidget *navigace = group(ribbon->page(0), u"Navigace"_s);
        menu = rightClick(ribbon->page(0),
                          QPoint(navigace->geometry().right() + 40, navigace->geometry().center().y()));
        QVERIFY(!menu->actionFor(MenuCommand::AddToToolbar));
    }

    void groupAddedAsAWholeDropsItsEntriesDown()
    {
        RecordingForm form;
        showAt(form);
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        ribbon->setTabIndex(1);
        RibbonGroupWidget *system = group(ribbon->page(1), u"Systém"_s);
        const QPoint emptyPart(system->width() / 2, system->height() - 5); // its caption band

        choose(rightClick(system, emptyPart), MenuCommand::AddToToolbar);
        QCOMPARE(toolbar->entries().size(), 4);
        auto *button = qobject_cast<QuickAccessGroupButton *>(toolbar->entries().constLast());
        QVERIFY(button);
        QCOMPARE(ribbon->quickAccessToolbar().entries().constLast().tag, 100);
        QCOMPARE(ribbon->quickAccessToolbar().addedGroups(), QStringList{u"RibbonGroup3"_s});
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), u"Systém"_s);
        QVERIFY(!addEnabledOn(system, emptyPart));

        form.pane.calls.clear();
        QTRY_VERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        RibbonGroupWidget *dropped = button->dropDown()->group();
        QCOMPARE(dropped->entries().size(), 1);
        QCOMPARE(dropped->entries().at(0)->entry().command, u"Action5"_s);
        QTest::mouseClick(dropped->entries().at(0), Qt::LeftButton);
        QTRY_VERIFY(!button->isDroppedDown());
        const QString update = PageAddresses::remotePage(PageAddresses::RemotePage::Update);
        QCOMPARE(form.pane.calls, QStringList{u"navigate "_s + update});

        // Removing the group's entry lets the group be added again.
        choose(rightClick(button), MenuCommand::RemoveFromToolbar);
        QCOMPARE(toolbar->entries().size(), 3);
        QVERIFY(ribbon->quickAccessToolbar().addedGroups().isEmpty());
        QVERIFY(addEnabledOn(system, emptyPart));
    }

    void toolbarEntriesAreRemovedOrHiddenAndShownAgain()
    {
        TForm1 form;
        showAt(form);
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();

        RibbonMenu *menu = rightClick(toolbar->entries().at(1));
        QCOMPARE(texts(menu).constFirst(), u"Remove from Quick Access Toolbar"_s);
        QVERIFY(!menu->actionFor(MenuCommand::AddToToolbar));
        choose(menu, MenuCommand::RemoveFromToolbar);
        QCOMPARE(toolbar->entries().size(), 2);
        QCOMPARE(toolbar->entries().at(1)->entry().command, u"Vpred"_s);
        QTRY_COMPARE(toolbar->width(), 99 - 24);

        // The toolbar's background offers neither adding nor removing.
        menu = rightClick(toolbar, QPoint(2, 2));
        QVERIFY(!menu->actionFor(MenuCommand::RemoveFromToolbar));
        QVERIFY(!menu->actionFor(MenuCommand::AddToToolbar));
        dismiss();

        menu = dropDownMenu(ribbon);
        QVERIFY(menu);
        chooseText(menu, u"&Zpět"_s);
        QTRY_VERIFY(!toolbar->entries().at(0)->isVisible());
        QCOMPARE(toolbar->entries().size(), 2); // still in the binding
        menu = dropDownMenu(ribbon);
        QVERIFY(!menu->actions().at(1)->isChecked());
        QVERIFY(menu->actions().at(2)->isChecked());
        dismiss();

        RibbonEntryButton *back = navigation(ribbon, u"Action6"_s);
        QVERIFY(addEnabledOn(back));
        choose(rightClick(back), MenuCommand::AddToToolbar);
        QCOMPARE(toolbar->entries().size(), 2);
        QTRY_VERIFY(toolbar->entries().at(0)->isVisible());
        QVERIFY(!addEnabledOn(back));
    }

    void toolbarBelowTheRibbon()
    {
        TForm1 form;
        showAt(form);
        RibbonBar *ribbon = form.Ribbon1;
        CaptionBarWidget *caption = ribbon->captionBar();
        const int captionLeft = caption->captionLayout().caption.rect.left();

        choose(rightClick(ribbon->tabs().at(0)), MenuCommand::MoveToolbar);
        QCOMPARE(ribbon->quickAccessToolbar().position(), QuickAccessPosition::BelowRibbon);
        QCOMPARE(ribbon->height(), kExpanded + kStrip);
        QTRY_COMPARE(form.WebBrowser1->geometry().top(), kExpanded + kStrip);
        QVERIFY(caption->captionLayout().caption.rect.left() <= captionLeft);

        RibbonMenu *menu = rightClick(ribbon->page(0), QPoint(1200, 40));
        QVERIFY(texts(menu).contains(u"Show Quick Access Toolbar Above the Ribbon"_s));
        dismiss();
        menu = dropDownMenu(ribbon);
        QVERIFY(menu);
        QCOMPARE(texts(menu), (QStringList{u"Customize Quick Access Toolbar..."_s, u"&Zpět"_s,
                                           u"&Aktualizovat"_s, u"&Vpřed"_s, u"-"_s,
                                           u"More Commands..."_s, u"Show Above the Ribbon"_s,
                                           u"-"_s, u"Minimize the Ribbon"_s}));
        choose(menu, MenuCommand::ToggleMinimised);
        QCOMPARE(ribbon->height(), kMinimised + kStrip);
        QTRY_COMPARE(form.WebBrowser1->geometry().top(), kMinimised + kStrip);
        QTest::mouseClick(ribbon->tabs().at(0), Qt::LeftButton); // swallowed
        QTest::mouseClick(ribbon->tabs().at(0), Qt::LeftButton);
        QCOMPARE(ribbon->droppedPage()->geometry().top(), kMinimised + kStrip);

        menu = dropDownMenu(ribbon);
        QVERIFY(menu->actionFor(MenuCommand::ToggleMinimised)->isChecked());
        choose(menu, MenuCommand::MoveToolbar);
        QCOMPARE(ribbon->height(), kMinimised);

        // Nothing of it outlives the window.
        TForm1 next;
        QCOMPARE(next.Ribbon1->quickAccessToolbar().entries().size(), 3);
        QCOMPARE(next.Ribbon1->quickAccessToolbar().position(), QuickAccessPosition::AboveRibbon);
        QVERIFY(!next.Ribbon1->isMinimised());
    }

    void menusAreAccessibleAndShowNoHoverHelp()
    {
        TForm1 form;
        showAt(form);
        RibbonBar *ribbon = form.Ribbon1;
        QSignalSpy customize(ribbon, &RibbonBar::customizeRequested);
        RibbonMenu *menu = dropDownMenu(ribbon);
        QVERIFY(menu);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(accessible);
        QCOMPARE(accessible->childCount(), 9);
        QAccessibleInterface *back = accessible->child(1);
        QCOMPARE(back->role(), QAccessible::MenuItem);
        QCOMPARE(back->text(QAccessible::Name), u"Zpět"_s);
        QVERIFY(back->state().checkable);
        QVERIFY(back->state().checked);
        QCOMPARE(accessible->child(0)->text(QAccessible::Name),
                 u"Customize Quick Access Toolbar..."_s);
        QCOMPARE(accessible->child(5)->text(QAccessible::Name), u"More Commands..."_s);
        QVERIFY(!accessible->child(8)->state().checked);

        const QPoint over = menu->actionGeometry(menu->actions().at(5)).center();
        QHelpEvent help(QEvent::ToolTip, over, menu->mapToGlobal(over));
        QCoreApplication::sendEvent(menu, &help);
        QVERIFY(!QToolTip::isVisible());

        choose(menu, MenuCommand::MoreCommands);
        choose(rightClick(ribbon->tabs().at(0)), MenuCommand::Customize);
        QCOMPARE(customize.size(), 2);

        // Right of the toolbar the caption bar keeps the window menu; left of it, on the
        // application button, the ribbon's own menu opens.
        QWidget *captionBar = ribbon->captionBar();
        rightClick(captionBar, QPoint(captionBar->width() / 2, 10));
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), u"WindowMenu"_s);
        dismiss();
        QVERIFY(rightClick(ribbon->captionBar()->applicationButton()));
        QCOMPARE(openMenu()->objectName(), u"RibbonContextMenu"_s);
        dismiss();

        // In the caption-only state the ribbon offers no context menu.
        form.resize(800, 250);
        QTRY_VERIFY(ribbon->isCaptionOnly());
        QVERIFY(!rightClick(ribbon, QPoint(400, 5)));
    }

    void overflowingEntriesGoToAPopup()
    {
        RecordingForm form;
        showAt(form, QSize(420, 600));
        RibbonBar *ribbon = form.Ribbon1;
        QuickAccessToolbarWidget *toolbar = ribbon->captionBar()->quickAccessToolbar();
        for (RibbonEntryButton *added : group(ribbon->page(0), u"Orvalis"_s)->entries()) {
            if (toolbar->isOverflowing())
                break;
            ribbon->quickAccessToolbar().addEntry(added->entry());
        }
        QTRY_VERIFY(toolbar->isOverflowing());
        const QList<RibbonEntryButton *> outOfSight = toolbar->overflowEntries();
        QVERIFY(!outOfSight.isEmpty());

        QTest::mouseClick(toolbar->endButton(), Qt::LeftButton);
        auto *popup = qobject_cast<QuickAccessOverflowPopup *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        QCOMPARE(popup->entries().size(), outOfSight.size());
        for (int i = 0; i < outOfSight.size(); ++i) {
            QCOMPARE(popup->entries().at(i)->entry().command, outOfSight.at(i)->entry().command);
            QVERIFY(!popup->entries().at(i)->entry().showCaption); // each has a picture
            QCOMPARE(QAccessible::queryAccessibleInterface(popup->entries().at(i))->role(),
                     QAccessible::MenuItem);
        }
        form.pane.calls.clear();
        QTest::mouseClick(popup->entries().constLast(), Qt::LeftButton);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(form.pane.calls.size(), 1);

        QTest::mouseClick(toolbar->endButton(), Qt::LeftButton);
        popup = qobject_cast<QuickAccessOverflowPopup *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        QCOMPARE(QAccessible::queryAccessibleInterface(popup->menuButton())->role(),
                 QAccessible::MenuItem);
        QTest::mouseClick(popup->menuButton(), Qt::LeftButton);
        QTRY_VERIFY(openMenu());
        QCOMPARE(texts(openMenu()).constFirst(), u"Customize Quick Access Toolbar..."_s);
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestForm1RibbonInteraction)
#include "tst_form1ribboninteraction.moc"
