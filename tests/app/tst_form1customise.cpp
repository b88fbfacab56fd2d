#include "Unit1.h"
#include "actionmanager.h"
#include "application.h"
#include "pageaddresses.h"
#include "recordingform.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/customise/customiseactionspage.h"
#include "ribbon/customise/customisecommandlist.h"
#include "ribbon/customise/customisedragdata.h"
#include "ribbon/customise/customisetoolbarspage.h"
#include "ribbon/customise/quickaccessdroptarget.h"
#include "ribbon/customise/tribboncustomizedlg.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/ribbonbar.h"
#include "testmain.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPrintDialog>
#include <QTabWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

namespace {

QStringList texts(const QListWidget *list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

QStringList toolbarCommands(const RibbonBar *ribbon)
{
    QStringList commands;
    for (const QuickAccessEntry &entry : ribbon->quickAccessToolbar().entries())
        commands << entry.entry.command;
    return commands;
}

RibbonGroupWidget *group(const RibbonBar *ribbon, const QString &caption)
{
    for (RibbonGroupWidget *found : ribbon->page(0)->groups()) {
        if (found->definition().caption == caption)
            return found;
    }
    return nullptr;
}

RibbonEntryButton *entryIn(const RibbonGroupWidget *group, const QString &command)
{
    for (RibbonEntryButton *entry : group->entries()) {
        if (entry->entry().command == command)
            return entry;
    }
    return nullptr;
}

// Whether anything under `widget` up to its window would take a drop.
bool takesDrops(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->acceptDrops())
            return true;
    }
    return false;
}

void chooseCategory(TRibbonCustomizeDlg *dialog, const QString &caption)
{
    QListWidget *categories = dialog->actionsPage()->categories();
    const QList<QListWidgetItem *> found = categories->findItems(caption, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    categories->setCurrentItem(found.constFirst());
}

int rowOf(const CustomiseCommandList *list, const QString &command)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->commandAt(row) == command)
            return row;
    }
    return -1;
}

} // namespace

// The customise window of the main window's ribbon, through the real window and its ribbon.
class TestForm1Customise : public QObject
{
    Q_OBJECT

    static void showForm(TForm1 &form)
    {
        form.showNormal();
        form.resize(1280, 800);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.size(), QSize(1280, 800));
    }

    static TRibbonCustomizeDlg *open(TForm1 &form)
    {
        Q_EMIT form.Ribbon1->customizeRequested();
        return form.Ribbon1->customizeDialog();
    }

    static Command *command(TForm1 &form, const QString &name)
    {
        for (ActionManager *list : {form.ActionManager1, form.ActionManager2, form.ActionManager3}) {
            if (Command *found = list->command(name))
                return found;
        }
        return nullptr;
    }

    // The middle between the toolbar's entries `left` and `left + 1`, in toolbar coordinates.
    static QPoint between(const QuickAccessToolbarWidget *toolbar, int left)
    {
        const QRect a = toolbar->entries().at(left)->geometry();
        return QPoint(a.right() + 1, a.center().y());
    }

    static bool sendDrag(QWidget *target, QEvent::Type type, const QMimeData &data, QPoint at)
    {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        std::unique_ptr<QDropEvent> event;
        if (type == QEvent::DragEnter)
            event = std::make_unique<QDragEnterEvent>(at, actions, &data, Qt::LeftButton,
                                                      Qt::NoModifier);
        else if (type == QEvent::DragMove)
            event = std::make_unique<QDragMoveEvent>(at, actions, &data, Qt::LeftButton,
                                                     Qt::NoModifier);
        else
            event = std::make_unique<QDropEvent>(at, actions, &data, Qt::LeftButton,
                                                 Qt::NoModifier);
        event->ignore();
        QCoreApplication::sendEvent(target, event.get());
        return event->isAccepted();
    }

private Q_SLOTS:
    void oneWindowMadeOnFirstUseAndKept()
    {
        TForm1 form;
        showForm(form);
        QVERIFY(!form.Ribbon1->customizeDialog());
        TRibbonCustomizeDlg *dialog = open(form);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), u"Customize"_s);
        QCOMPARE(dialog->parentWidget(), &form);
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->tabs()->count(), 2);
        QCOMPARE(dialog->tabs()->tabText(0), u"Toolbars"_s);
        QCOMPARE(dialog->tabs()->tabText(1), u"Actions"_s);
        QCOMPARE(dialog->closeButton()->text(), u"Close"_s);

        chooseCategory(dialog, u"Edit"_s);
        dialog->tabs()->setCurrentIndex(0);
        dialog->closeButton()->click();
        QVERIFY(!dialog->isVisible());
        // The second opening shows the same window as the user left it.
        QCOMPARE(open(form), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->tabs()->currentIndex(), 0);
        QCOMPARE(dialog->actionsPage()->categories()->currentItem()->text(), u"Edit"_s);
    }

    void actionsListTheFirstListByCategory()
    {
        TForm1 form;
        TRibbonCustomizeDlg *dialog = open(form);
        CustomiseActionsPage *page = dialog->actionsPage();
        QCOMPARE(texts(page->categories()),
                 (QStringList{u"(No Category)"_s, u"Edit"_s, u"(All Actions)"_s}));
        QCOMPARE(page->categories()->currentRow(), 0);
        QCOMPARE(texts(page->commands()),
                 (QStringList{u"Zpět"_s, u"Aktualizovat"_s, u"Vpřed"_s, u"Stop"_s, u"Tagovnik"_s,
                              u"Tagovnik on-line"_s, u"Orvalis"_s, u"Velmora"_s,
                              u"Zákaznická podpora"_s, u"Tipy a triky"_s, u"Offline"_s,
                              u"Aktualizace"_s}));
        QVERIFY(!page->commands()->item(0)->icon().isNull());
        QCOMPARE(page->description()->text(), u"O krok zpět"_s);
        page->commands()->setCurrentRow(3);
        QCOMPARE(page->description()->text(), u"Zastavit akci"_s);
        // "Offline" has no hint, so no description.
        page->commands()->setCurrentRow(10);
        QCOMPARE(page->description()->text(), QString());

        chooseCategory(dialog, u"Edit"_s);
        QCOMPARE(texts(page->commands()), (QStringList{u"Vložit"_s, u"Výjmout"_s}));
        page->commands()->setCurrentRow(1);
        QCOMPARE(page->description()->text(), u"Výjmout"_s);

        chooseCategory(dialog, u"(All Actions)"_s);
        QCOMPARE(page->commands()->count(), 14);
        // Nothing of the other lists is offered.
        for (const QString &other : {u"PrintDlg1"_s, u"SearchFind1"_s, u"SearchFindNext1"_s,
                                     u"EditCopy1"_s, u"domu"_s})
            QCOMPARE(rowOf(page->commands(), other), -1);

        // What a screen reader is told.
        QAccessibleInterface *categories =
            QAccessible::queryAccessibleInterface(page->categories());
        QCOMPARE(categories->role(), QAccessible::List);
        QCOMPARE(categories->text(QAccessible::Name), u"Categories"_s);
        QAccessibleInterface *commands = QAccessible::queryAccessibleInterface(page->commands());
        QCOMPARE(commands->text(QAccessible::Name), u"Actions"_s);
        page->commands()->setCurrentRow(11);
        QAccessibleInterface *row = commands->child(11);
        QVERIFY(row);
        QCOMPARE(row->text(QAccessible::Name), u"Výjmout"_s);
        QVERIFY(row->state().selected);
        QCOMPARE(row->text(QAccessible::Description), u"Výjmout"_s);
        QAccessibleInterface *description =
            QAccessible::queryAccessibleInterface(page->description());
        QCOMPARE(description->text(QAccessible::Name), u"Description"_s);
    }

    void whileShownOnlyTheFirstListIsSuspended()
    {
        RecordingForm form;
        showForm(form);
        Command *cut = command(form, u"EditCut1"_s);
        QVERIFY(!cut->execute()); // its first evaluation disables it
        QVERIFY(!cut->isEnabled());
        RibbonGroupWidget *navigace = group(form.Ribbon1, u"Navigace"_s);
        QVERIFY(navigace);

        // However the window is closed, customising ends the same way.
        const QList<std::function<void(TRibbonCustomizeDlg *)>> closings{
            [](TRibbonCustomizeDlg *dialog) { dialog->closeButton()->click(); },
            [](TRibbonCustomizeDlg *dialog) {
                QTest::keyClick(dialog->actionsPage()->commands(), Qt::Key_Escape);
            },
            [](TRibbonCustomizeDlg *dialog) { dialog->close(); }, // the window's own close
        };
        for (const auto &closeWindow : closings) {
            TRibbonCustomizeDlg *dialog = open(form);
            QVERIFY(dialog->isCustomising());
            QVERIFY(form.ActionManager1->isSuspended());
            QVERIFY(!form.ActionManager2->isSuspended());
            QVERIFY(!form.ActionManager3->isSuspended());
            for (const Command *own : form.ActionManager1->commands())
                QVERIFY2(own->isEnabled(), qPrintable(own->name()));
            // An evaluation that would disable it leaves it enabled.
            cut->evaluate();
            QVERIFY(cut->isEnabled());

            form.pane.calls.clear();
            for (const QString &name : {u"Action6"_s, u"Vpred"_s, u"akzualizovat"_s, u"stop"_s})
                entryIn(navigace, name)->click();
            QCOMPARE(form.pane.calls, QStringList());
            entryIn(navigace, u"domu"_s)->click();
            QCOMPARE(form.pane.calls,
                     QStringList{u"navigate "_s + PageAddresses::homePage()});

            closeWindow(dialog);
            QVERIFY(!dialog->isVisible());
            QVERIFY(!dialog->isCustomising());
            QVERIFY(!form.ActionManager1->isSuspended());
            // Evaluated at once: the inert command is disabled again.
            QVERIFY(!cut->isEnabled());
            QVERIFY(command(form, u"Action6"_s)->isEnabled());
            entryIn(navigace, u"Action6"_s)->click();
            QCOMPARE(form.pane.calls.last(), u"goBack"_s);
        }
    }

    void ctrlPFromTheWindowOpensThePrintDialog()
    {
        RecordingForm form;
        showForm(form);
        TRibbonCustomizeDlg *dialog = open(form);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QApplication::setActiveWindow(dialog);
        QTRY_VERIFY(dialog->isActiveWindow());
        dialog->actionsPage()->commands()->setFocus();
        QTRY_VERIFY(dialog->actionsPage()->commands()->hasFocus());

        bool seen = false;
        QWidget *owner = nullptr;
        QTimer::singleShot(100, &form, [&] {
            auto *print = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            seen = print != nullptr;
            if (!print)
                return;
            owner = print->parentWidget();
            print->reject();
        });
        QTest::keyClick(dialog->actionsPage()->commands(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(seen);
        QCOMPARE(owner, &form);
        // The key did not close or change the customise window.
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isCustomising());
    }

    void dropAddsTheCommandWhereItLands()
    {
        TForm1 form;
        showForm(form);
        TRibbonCustomizeDlg *dialog = open(form);
        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();
        QVERIFY(toolbar->acceptDrops());
        const std::unique_ptr<QMimeData> cut(CustomiseDragData::forCommand(u"EditCut1"_s));

        const QPoint place = between(toolbar, 0);
        QVERIFY(sendDrag(toolbar, QEvent::DragEnter, *cut, place));
        QVERIFY(sendDrag(toolbar, QEvent::DragMove, *cut, place));
        // The drop place is marked between the first two entries.
        DropPlaceMarker *marker = dialog->dropTarget()->marker();
        QVERIFY(marker->isVisible());
        QCOMPARE(marker->geometry().center().x(), toolbar->entries().at(1)->x() - 1);
        QVERIFY(sendDrag(toolbar, QEvent::Drop, *cut, place));
        QVERIFY(!marker->isVisible());
        QCOMPARE(toolbarCommands(form.Ribbon1),
                 (QStringList{u"Action6"_s, u"EditCut1"_s, u"akzualizovat"_s, u"Vpred"_s}));
        const QuickAccessEntry &added = form.Ribbon1->quickAccessToolbar().entries().at(1);
        QCOMPARE(added.entry.imageIndex, 2);
        QVERIFY(!added.entry.showCaption);
        // Enabled while customising, disabled once the window has closed.
        RibbonEntryButton *cutButton = toolbar->entries().at(1);
        QVERIFY(cutButton->isEnabled());

        // Commands of the other lists are refused, however they are dragged.
        for (const QString &other : {u"PrintDlg1"_s, u"SearchFind1"_s, u"SearchFindNext1"_s,
                                     u"EditCopy1"_s}) {
            const std::unique_ptr<QMimeData> data(CustomiseDragData::forCommand(other));
            QVERIFY(!sendDrag(toolbar, QEvent::DragEnter, *data, place));
            QVERIFY(!dialog->dropTarget()->drop(*data, place));
        }
        QCOMPARE(form.Ribbon1->quickAccessToolbar().entries().size(), 4);

        // The group "Orvalis" and the application menu take nothing.
        QVERIFY(!takesDrops(entryIn(group(form.Ribbon1, u"Orvalis"_s), u"web3"_s)));
        QVERIFY(!takesDrops(form.Ribbon1->captionBar()->applicationButton()));

        // An entry dragged along the toolbar moves: the first one to the end.
        const std::unique_ptr<QMimeData> first(CustomiseDragData::forToolbarEntry(0));
        const QRect last = toolbar->entries().constLast()->geometry();
        const QPoint end(last.right() - 2, last.center().y());
        QVERIFY(sendDrag(toolbar, QEvent::DragEnter, *first, end));
        QVERIFY(sendDrag(toolbar, QEvent::Drop, *first, end));
        QCOMPARE(toolbarCommands(form.Ribbon1),
                 (QStringList{u"EditCut1"_s, u"akzualizovat"_s, u"Vpred"_s, u"Action6"_s}));

        dialog->closeButton()->click();
        QVERIFY(!cutButton->isEnabled());
        QVERIFY(!toolbar->acceptDrops());
        cutButton->click();
        QVERIFY(!command(form, u"EditCut1"_s)->isEnabled());
    }

    void doubleClickOrEnterAddsAtTheEnd()
    {
        RecordingForm form;
        showForm(form);
        TRibbonCustomizeDlg *dialog = open(form);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        CustomiseCommandList *commands = dialog->actionsPage()->commands();
        const int offline = rowOf(commands, u"Action2"_s);
        QVERIFY(offline >= 0);
        commands->scrollToItem(commands->item(offline));
        const QRect item = commands->visualItemRect(commands->item(offline));
        QTest::mouseClick(commands->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(commands->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseRelease(commands->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(toolbarCommands(form.Ribbon1).last(), u"Action2"_s);

        commands->setFocus();
        commands->setCurrentRow(rowOf(commands, u"Aktualizace"_s));
        QTest::keyClick(commands, Qt::Key_Return);
        QCOMPARE(toolbarCommands(form.Ribbon1),
                 (QStringList{u"Action6"_s, u"akzualizovat"_s, u"Vpred"_s, u"Action2"_s,
                              u"Aktualizace"_s}));
        QVERIFY(dialog->isVisible());
        dialog->closeButton()->click();

        // "Offline" is a plain button on the toolbar that toggles the pane's offline flag.
        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();
        RibbonEntryButton *button = toolbar->entries().at(3);
        QVERIFY(!button->isCheckable());
        QCOMPARE(button->text(), u"Offline"_s);
        QVERIFY(button->sizeHint().width() > 30); // its caption shows, for want of a picture
        Command *action2 = command(form, u"Action2"_s);
        form.pane.calls.clear();
        button->click();
        QVERIFY(action2->isChecked());
        button->click();
        QVERIFY(!action2->isChecked());
        button->click();
        QCOMPARE(form.pane.calls, (QStringList{u"setOffline true"_s, u"setOffline false"_s,
                                               u"setOffline true"_s}));
    }

    void toolbarsHideAndShowTheirBars()
    {
        TForm1 form;
        showForm(form);
        TRibbonCustomizeDlg *dialog = open(form);
        QListWidget *bars = dialog->toolbarsPage()->bars();
        QCOMPARE(texts(bars), (QStringList{u"Quick Access Toolbar"_s, u"Orvalis"_s}));
        QCOMPARE(bars->item(0)->checkState(), Qt::Checked);
        QCOMPARE(bars->item(1)->checkState(), Qt::Checked);

        RibbonPageWidget *page = form.Ribbon1->page(0);
        RibbonGroupWidget *orvalis = group(form.Ribbon1, u"Orvalis"_s);
        RibbonGroupWidget *navigace = group(form.Ribbon1, u"Navigace"_s);
        const int navigaceWas = navigace->x();
        QVERIFY(navigaceWas > 4);
        bars->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(!orvalis->isVisible());
        // The group after it closes the gap.
        QCOMPARE(navigace->x(), 4);
        QVERIFY(!page->visibleEntries().contains(entryIn(orvalis, u"web1"_s)));
        bars->item(1)->setCheckState(Qt::Checked);
        QVERIFY(orvalis->isVisible());
        QCOMPARE(navigace->x(), navigaceWas);

        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();
        const QRect caption = form.Ribbon1->captionBar()->captionLayout().caption.rect;
        bars->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!toolbar->isVisible());
        QVERIFY(form.Ribbon1->captionBar()->captionLayout().quickAccess.frame.isNull());
        // Below the ribbon it stays away too.
        form.Ribbon1->quickAccessToolbar().setPosition(QuickAccessPosition::BelowRibbon);
        QVERIFY(!toolbar->isVisible());
        form.Ribbon1->quickAccessToolbar().setPosition(QuickAccessPosition::AboveRibbon);
        bars->item(0)->setCheckState(Qt::Checked);
        QVERIFY(toolbar->isVisible());
        QCOMPARE(form.Ribbon1->captionBar()->captionLayout().caption.rect, caption);
    }

    // Real drags, by the pointer of the display the tests run on.
    void realDragsOntoAlongAndOffTheToolbar()
    {
        const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
        if (xdotool.isEmpty())
            QSKIP("moving the display's own pointer needs xdotool");
        TForm1 form;
        showForm(form);
        TRibbonCustomizeDlg *dialog = open(form);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QApplication::setActiveWindow(dialog);
        QTRY_VERIFY(dialog->isActiveWindow());
        QTest::qWait(500);
        QuickAccessToolbarWidget *toolbar = form.Ribbon1->captionBar()->quickAccessToolbar();
        CustomiseCommandList *commands = dialog->actionsPage()->commands();
        const int stop = rowOf(commands, u"stop"_s);
        commands->scrollToItem(commands->item(stop));
        const QPoint from =
            commands->viewport()->mapToGlobal(commands->visualItemRect(commands->item(stop)).center());
        const QPoint to = toolbar->mapToGlobal(between(toolbar, 1));

        // The drop place shows while the pointer is over the toolbar.
        bool marked = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this,
                [&] { marked = marked || dialog->dropTarget()->marker()->isVisible(); });
        watch.start(10);
        const auto drag = [&](QPoint start, QPoint end) {
            const auto at = [](QPoint point) {
                return QStringList{u"mousemove"_s, QString::number(point.x()),
                                   QString::number(point.y()), u"sleep"_s, u"0.5"_s};
            };
            QStringList steps = at(start) + QStringList{u"mousedown"_s, u"1"_s} +
                                at(start + QPoint(12, 4)) + at(end + QPoint(0, 1)) + at(end);
            steps << u"mouseup"_s << u"1"_s;
            QVERIFY(QProcess::startDetached(xdotool, steps));
        };

        drag(from, to);
        QTRY_COMPARE_WITH_TIMEOUT(toolbarCommands(form.Ribbon1),
                                  (QStringList{u"Action6"_s, u"akzualizovat"_s, u"stop"_s,
                                               u"Vpred"_s}),
                                  10000);
        QVERIFY(marked);
        QTRY_VERIFY(!dialog->dropTarget()->marker()->isVisible());

        // The first entry dragged behind the last one moves there.
        QTest::qWait(300);
        const QRect first = toolbar->entries().at(0)->geometry();
        const QRect last = toolbar->entries().at(3)->geometry();
        drag(toolbar->mapToGlobal(first.center()),
             toolbar->mapToGlobal(QPoint(last.right() - 1, last.center().y())));
        QTRY_COMPARE_WITH_TIMEOUT(toolbarCommands(form.Ribbon1),
                                  (QStringList{u"akzualizovat"_s, u"stop"_s, u"Vpred"_s,
                                               u"Action6"_s}),
                                  10000);

        // Dragged off onto the page, an entry leaves the toolbar.
        QTest::qWait(300);
        drag(toolbar->mapToGlobal(toolbar->entries().at(1)->geometry().center()),
             form.Ribbon1->page(0)->mapToGlobal(QPoint(600, 60)));
        QTRY_COMPARE_WITH_TIMEOUT(toolbarCommands(form.Ribbon1),
                                  (QStringList{u"akzualizovat"_s, u"Vpred"_s, u"Action6"_s}),
                                  10000);
        // Neither drag ran a command.
        QVERIFY(dialog->isCustomising());
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestForm1Customise)
#include "tst_form1customise.moc"
