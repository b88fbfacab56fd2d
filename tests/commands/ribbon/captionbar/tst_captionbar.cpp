#include "programdefinition.h"
#include "ribbon/captionbar/applicationmenupopup.h"
#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/windowchrome/windowframe.h"
#include "testmain.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

namespace {

QString accessibleName(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

// The caption bar on a frameless window: its parts and where they stand, the window
// functions of its buttons, menus and mouse, and the resizing frame of the window.
class TestCaptionBar : public QObject
{
    Q_OBJECT

    ProgramDefinition::CommandLists lists;
    RibbonContext context{lists.all(), QFont()};
    QStringList runs;

    // A window with a stand-in ribbon holding the caption bar, as the program builds it.
    std::unique_ptr<QWidget> window;
    QWidget *ribbon = nullptr;
    CaptionBarWidget *bar = nullptr;

    QMenu *openMenu() const { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }

    QList<std::pair<QString, bool>> menuItems(QMenu *menu) const
    {
        QList<std::pair<QString, bool>> items;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                items.append({action->text(), action->isEnabled()});
        }
        return items;
    }

    bool rightClick(const QPoint &pos)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, bar->mapToGlobal(pos));
        QApplication::sendEvent(bar, &event);
        return event.isAccepted();
    }

private Q_SLOTS:
    void initTestCase()
    {
        lists.onRun = [this](const QString &command) { runs.append(command); };
    }

    void init()
    {
        runs.clear();
        window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        window->setGeometry(60, 60, 800, 400);
        ribbon = new QWidget(window.get());
        ribbon->setGeometry(0, 0, 800, 147);
        bar = new CaptionBarWidget(context, ProgramDefinition::ribbon(), ribbon);
        bar->setGeometry(0, 0, 800, 30);
        // The tab row and page come after the caption bar, as in the ribbon.
        auto *page = new QWidget(ribbon);
        page->setObjectName(u"page"_s);
        page->setGeometry(0, 32, 800, 115);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        window.reset();
    }

    void toolbarEntriesRunTheirCommands()
    {
        const auto &entries = bar->quickAccessToolbar()->entries();
        QCOMPARE(entries.size(), 3);
        for (RibbonEntryButton *entry : entries) {
            QVERIFY(entry->isVisible());
            QCOMPARE(entry->width(), 24); // picture only
            QTest::mouseClick(entry, Qt::LeftButton);
        }
        QCOMPARE(runs, (QStringList{u"Action6"_s, u"akzualizovat"_s, u"Vpred"_s}));
        QCOMPARE(accessibleName(entries.at(2)), u"Vpřed"_s);
    }

    void partsStandWhereTheLayoutPutsThem()
    {
        QAbstractButton *button = bar->applicationButton();
        QCOMPARE(button->parentWidget(), ribbon);
        QCOMPARE(button->geometry(), QRect(4, 9, 38, 38));
        // It hangs over the page below and stays on top of it.
        QCOMPARE(ribbon->childAt(23, 40), button);

        QCOMPARE(bar->quickAccessToolbar()->geometry(), QRect(49, 5, 99, 24));

        const int barHeight = bar->height();
        const QRect minimise = bar->minimizeButton()->geometry();
        const QRect maximise = bar->maximizeButton()->geometry();
        const QRect close = bar->closeButton()->geometry();
        for (const QRect &rect : {minimise, maximise, close})
            QCOMPARE(rect.bottom() + 1, barHeight - 2);
        QCOMPARE(close.right(), bar->width() - 1);
        QCOMPARE(maximise.right() + 1, close.left());
        QCOMPARE(minimise.right() + 1, maximise.left());

        bar->resize(600, 30);
        QCOMPARE(bar->closeButton()->geometry().right(), 599);

        ribbon->setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(button->geometry(), QRect(600 - 42, 9, 38, 38));
        QCOMPARE(bar->closeButton()->x(), 0);
    }

    void captionIsElidedOnlyWhenItDoesNotFit()
    {
        QCOMPARE(bar->displayedCaptionText(), u"Tagovnik 2.1"_s);
        QVERIFY(bar->captionLayout().caption.rect.left() >= 38 + 99 + 24);

        bar->setCaptionOnly(true);
        bar->resize(190, 30); // leaves 28 .. 190 - 138 for the caption
        QCOMPARE(bar->captionLayout().caption.rect.left(), 28);
        const QString shown = bar->displayedCaptionText();
        QVERIFY2(shown != bar->caption() && shown.endsWith(u'…'), qPrintable(shown));
        QVERIFY(QFontMetrics(context.font(10)).horizontalAdvance(shown) <=
                bar->captionLayout().caption.rect.width());
    }

    void captionOnlyShowsTheIconInsteadOfButtonAndToolbar()
    {
        bar->setCaptionOnly(true);
        QVERIFY(bar->applicationButton()->isHidden());
        QVERIFY(!bar->quickAccessToolbar()->isVisible());
        QAbstractButton *icon = bar->windowMenuButton();
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->geometry(), QRect(6, 8, 16, 16));

        bar->setCaptionOnly(false);
        QVERIFY(bar->applicationButton()->isVisible());
        QVERIFY(bar->quickAccessToolbar()->isVisible());
        QVERIFY(!icon->isVisible());
    }

    void systemButtonsWorkTheWindow()
    {
        QCOMPARE(accessibleName(bar->minimizeButton()), u"Minimize"_s);
        QCOMPARE(accessibleName(bar->maximizeButton()), u"Maximize"_s);
        QCOMPARE(accessibleName(bar->closeButton()), u"Close"_s);
        QCOMPARE(accessibleName(bar->applicationButton()), u"Tagovnik - menu"_s);

        QTest::mouseClick(bar->maximizeButton(), Qt::LeftButton);
        QVERIFY(window->isMaximized());
        QCOMPARE(accessibleName(bar->maximizeButton()), u"Restore"_s);
        QTest::mouseClick(bar->maximizeButton(), Qt::LeftButton);
        QVERIFY(!window->isMaximized());
        QCOMPARE(accessibleName(bar->maximizeButton()), u"Maximize"_s);

        QTest::mouseClick(bar->minimizeButton(), Qt::LeftButton);
        QVERIFY(window->isMinimized());
        window->showNormal();

        QTest::mouseClick(bar->closeButton(), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void draggingTheBarMovesTheWindowUnlessMaximised()
    {
        // Headless there is no window manager to take the move over: the bar moves it.
        QWindow *handle = window->windowHandle();
        const QPoint start = window->pos();
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(400, 15));
        QTest::mouseMove(handle, QPoint(450, 45));
        // The window went along, so the pointer is back over the same spot of it.
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(400, 15));
        QTRY_COMPARE(window->pos(), start + QPoint(50, 30));

        window->showMaximized();
        const QPoint maximised = window->pos();
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(400, 15));
        QTest::mouseMove(handle, QPoint(450, 45));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(450, 45));
        QCOMPARE(window->pos(), maximised);
    }

    void doubleClickOnTheBarMaximisesAndRestores()
    {
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(400, 15));
        QVERIFY(window->isMaximized());
        QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(400, 15));
        QVERIFY(!window->isMaximized());
    }

    void rightClickRightOfTheToolbarOpensTheWindowMenu()
    {
        QVERIFY(!rightClick(QPoint(100, 15))); // on the toolbar: the ribbon's own menu
        QVERIFY(!openMenu());
        QVERIFY(!rightClick(bar->closeButton()->geometry().center()));
        QVERIFY(!openMenu());

        QVERIFY(rightClick(QPoint(400, 15)));
        QMenu *menu = openMenu();
        QVERIFY(menu);
        using Items = QList<std::pair<QString, bool>>;
        QCOMPARE(menuItems(menu), (Items{{u"Restore"_s, false},
                                         {u"Move"_s, true},
                                         {u"Size"_s, true},
                                         {u"Minimize"_s, true},
                                         {u"Maximize"_s, true},
                                         {u"Close"_s, true}}));
        menu->actions().at(4)->trigger();
        QVERIFY(window->isMaximized());
        menu->close();

        QVERIFY(rightClick(QPoint(400, 15)));
        QCOMPARE(menuItems(openMenu()), (Items{{u"Restore"_s, true},
                                               {u"Move"_s, false},
                                               {u"Size"_s, false},
                                               {u"Minimize"_s, true},
                                               {u"Maximize"_s, false},
                                               {u"Close"_s, true}}));
    }

    void applicationButtonOpensTheMenuAndClosesTheWindowOnDoubleClick()
    {
        QAbstractButton *button = bar->applicationButton();
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(19, 19));
        ApplicationMenuPopup *menu = bar->applicationMenu();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(-5, 22)));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(19, 19));
        QVERIFY(menu->isVisible());
        menu->close();

        QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(19, 19));
        QVERIFY(!menu->isVisible());
        QVERIFY(!window->isVisible());
    }

    // Through the window system the open menu holds the mouse, so the second click of the
    // double-click reaches the menu rather than the button.
    void doubleClickOnTheApplicationButtonPassesThroughTheOpenMenu()
    {
        const QPoint centre = bar->applicationButton()->geometry().center();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centre);
        QVERIFY(bar->applicationMenu()->isVisible());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centre);
        QVERIFY(!bar->applicationMenu()->isVisible());
        QVERIFY(!window->isVisible());
    }

    void captionOnlyIconOpensTheWindowMenuBelowItAndClosesOnDoubleClick()
    {
        bar->setCaptionOnly(true);
        QAbstractButton *icon = bar->windowMenuButton();
        QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(8, 8));
        QMenu *menu = openMenu();
        QVERIFY(menu);
        QCOMPARE(menu->pos(), bar->mapToGlobal(QPoint(6, 24)));
        menu->close();

        QTest::mouseDClick(icon, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(!window->isVisible());
    }

    void noHoverHelpAnywhere()
    {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets += bar->applicationMenu()->findChildren<QWidget *>();
        widgets += bar->applicationMenu();
        for (QWidget *widget : std::as_const(widgets)) {
            QVERIFY(widget->toolTip().isEmpty());
            QVERIFY(widget->whatsThis().isEmpty());
            QVERIFY(widget->statusTip().isEmpty());
            if (widget == ribbon || widget->objectName() == u"page")
                continue;
            // Ours swallow the request, so that nothing can show a tip there.
            QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(widget, &help);
            QVERIFY2(help.isAccepted(), qPrintable(widget->objectName()));
        }
    }

    void frameResizesFromTheEdges()
    {
        WindowFrame frame(*window);
        QWindow *handle = window->windowHandle();
        const auto cursorAt = [&](QPoint pos) {
            QTest::mouseMove(handle, pos);
            const QCursor *cursor = QGuiApplication::overrideCursor();
            return cursor ? cursor->shape() : Qt::ArrowCursor;
        };
        QCOMPARE(cursorAt(QPoint(798, 200)), Qt::SizeHorCursor);
        QCOMPARE(cursorAt(QPoint(400, 1)), Qt::SizeVerCursor);
        QCOMPARE(cursorAt(QPoint(1, 1)), Qt::SizeFDiagCursor);
        QCOMPARE(cursorAt(QPoint(797, 398)), Qt::SizeFDiagCursor);
        QCOMPARE(cursorAt(QPoint(10, 398)), Qt::SizeBDiagCursor);
        QCOMPARE(cursorAt(QPoint(400, 200)), Qt::ArrowCursor);

        // Headless there is no window manager to take the drag over: the frame follows it.
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(798, 200));
        QTest::mouseMove(handle, QPoint(738, 200));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(738, 200));
        QTRY_COMPARE(window->width(), 740);
        QCOMPARE(window->x(), 60);

        window->showMaximized();
        QCOMPARE(cursorAt(QPoint(window->width() - 2, 200)), Qt::ArrowCursor);
        QCOMPARE(frame.edgesAt(QPoint(1, 1)), Qt::Edges());
    }

    // Laid out as the main window is: the caption bar on top, a pane whose vertical scroll
    // bar runs along the right edge below it.
    void frameEdgesLeaveTheWindowButtonsAndTheScrollBarAlone()
    {
        QWidget laidOut(nullptr, Qt::FramelessWindowHint);
        auto *column = new QVBoxLayout(&laidOut);
        column->setContentsMargins({});
        column->setSpacing(0);
        auto *caption = new CaptionBarWidget(context, ProgramDefinition::ribbon(), &laidOut);
        caption->setFixedHeight(30);
        column->addWidget(caption);
        auto *pane = new QWidget(&laidOut);
        auto *scrollBar = new QScrollBar(Qt::Vertical, pane);
        scrollBar->setRange(0, 1000);
        scrollBar->setPageStep(100);
        column->addWidget(pane, 1);
        WindowFrame frame(laidOut);
        laidOut.setGeometry(60, 60, 800, 400);
        laidOut.show();
        QVERIFY(QTest::qWaitForWindowExposed(&laidOut));
        const auto placeScrollBar = [&] {
            scrollBar->setGeometry(pane->width() - 17, 0, 17, pane->height());
        };
        placeScrollBar();

        // Every edge and corner still resizes.
        const struct
        {
            QPoint pos;
            Qt::Edges edges;
        } edges[] = {{{0, 200}, Qt::LeftEdge},
                     {{799, 200}, Qt::RightEdge},
                     {{400, 399}, Qt::BottomEdge},
                     {{400, 0}, Qt::TopEdge},
                     {{0, 0}, Qt::TopEdge | Qt::LeftEdge},
                     {{799, 0}, Qt::TopEdge | Qt::RightEdge},
                     {{0, 399}, Qt::BottomEdge | Qt::LeftEdge},
                     {{799, 399}, Qt::BottomEdge | Qt::RightEdge}};
        for (const auto &edge : edges)
            QCOMPARE(frame.edgesAt(edge.pos), edge.edges);

        // The window buttons' top row and the whole scroll bar belong to them.
        const QRect scrollBarRect(scrollBar->mapTo(&laidOut, QPoint(0, 0)), scrollBar->size());
        QVERIFY(scrollBarRect.right() < 799 && scrollBarRect.bottom() < 399);
        for (const QPoint &corner :
             {scrollBarRect.topRight(), scrollBarRect.bottomRight(), scrollBarRect.bottomLeft()})
            QCOMPARE(frame.edgesAt(corner), Qt::Edges());
        for (QAbstractButton *button :
             {caption->minimizeButton(), caption->maximizeButton(), caption->closeButton()}) {
            const QRect rect(button->mapTo(&laidOut, QPoint(0, 0)), button->size());
            QCOMPARE(rect.top(), 0);
            QVERIFY(rect.right() < 799);
            QCOMPARE(frame.edgesAt(rect.topLeft()), Qt::Edges());
            QCOMPARE(frame.edgesAt(rect.topRight()), Qt::Edges());
        }

        QWindow *handle = laidOut.windowHandle();
        // A press on the scroll bar's outermost pixels pages it, below its handle.
        QTest::mouseClick(handle, Qt::LeftButton, {}, scrollBarRect.bottomRight() - QPoint(0, 40));
        QTRY_COMPARE(scrollBar->value(), 100);
        QCOMPARE(laidOut.size(), QSize(800, 400));
        // A press on the maximise button's top pixel maximises.
        const QAbstractButton *maximise = caption->maximizeButton();
        QTest::mouseClick(handle, Qt::LeftButton, {},
                          maximise->mapTo(&laidOut, QPoint(maximise->width() / 2, 0)));
        QTRY_VERIFY(laidOut.isMaximized());

        // Maximised there is no border: the contents reach the screen's edges.
        QTRY_COMPARE(caption->width(), laidOut.width());
        QCOMPARE(frame.border(), QMargins());
        laidOut.showNormal();
        QTRY_COMPARE(caption->width(), laidOut.width() - 2 * WindowFrame::kBorderWidth);
    }
};

TAGOVNIK_TEST_MAIN(TestCaptionBar)
#include "tst_captionbar.moc"
