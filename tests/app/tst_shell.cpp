#include "Unit1.h"
#include "application.h"
#include "error.h"
#include "errorboundary.h"
#include "messageboxwatcher.h"
#include "startup.h"
#include "startupreport.h"
#include "testmain.h"
#include "webbrowser.h"
#include "windowfont.h"

#include <QCloseEvent>
#include <QRegularExpression>
#include <QWebEngineView>
#include <QScreen>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

// An object whose event handling fails, like a command whose browser call
// fails, and hands the error to the boundary at its own handling.
class FailingHandler : public QObject
{
public:
    int handled = 0;
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        ErrorBoundary::run([] { throw EOleException(u"Navigation failed"_s, 0x80004005); });
        return true;
    }
};

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorInAHandlerGivesOneBoxAndTheLoopGoesOn()
    {
        MessageBoxWatcher boxes;
        FailingHandler handler;
        QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
        QTRY_COMPARE(boxes.seen().size(), 1);
        const auto box = boxes.seen().constFirst();
        QCOMPARE(box.caption, u"Tagovnik 2.1"_s);
        QCOMPARE(box.text, u"Navigation failed."_s);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, 1);

        // The program went on: a second failure gives a second box.
        QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
        QTRY_COMPARE(boxes.seen().size(), 2);
        QCOMPARE(handler.handled, 2);
    }

    void windowStartsMaximisedShowingTheHomePage()
    {
        TForm1 form;
        QCOMPARE(form.objectName(), u"Form1"_s);
        QCOMPARE(form.windowTitle(), u"Tagovnik"_s);
        QCOMPARE(Application::title(), u"Tagovnik 2.1"_s);
        QCOMPARE(form.font().family(), u"Tahoma"_s);
        // Tahoma at 11 pixels has the 13-pixel text cell the window was designed with.
        QCOMPARE(textCellHeight(form.font()), 13);
        QCOMPARE(form.scaledClientSize(), QSize(1279, 691));
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(48, 48)));
        QCOMPARE(form.WebBrowser1->objectName(), u"WebBrowser1"_s);
        QCOMPARE(form.centralWidget(), form.WebBrowser1);
        // The navigation was accepted before the window was shown.
        QTRY_COMPARE(
            form.WebBrowser1->view()->url(),
            QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + u"/index.html"_s));

        form.showOnStart();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.isMaximized());
        // Restoring gives the design size.
        form.showNormal();
        QTRY_COMPARE(form.size(), form.scaledClientSize());
        // ... centred on the work area, where the window system placed the real window.
        const QRect workArea = form.screen()->availableGeometry();
        const QRect placed = form.windowHandle()->geometry();
        QCOMPARE(placed.size(), form.scaledClientSize());
        QVERIFY2(qAbs(placed.center().x() - workArea.center().x()) <= 1 &&
                     qAbs(placed.center().y() - workArea.center().y()) <= 1,
                 qPrintable(u"placed at %1,%2 in a work area of %3x%4"_s.arg(placed.x())
                                .arg(placed.y())
                                .arg(workArea.width())
                                .arg(workArea.height())));
    }

    void closingTheWindowEndsTheLoopWithExitCodeZero_data()
    {
        QTest::addColumn<bool>("byWindowSystem");
        QTest::newRow("close command") << false;
        QTest::newRow("window manager close request") << true;
    }
    void closingTheWindowEndsTheLoopWithExitCodeZero()
    {
        QFETCH(bool, byWindowSystem);
        auto *app = qobject_cast<Application *>(QCoreApplication::instance());
        QTimer::singleShot(0, app, [byWindowSystem] {
            auto *form = qobject_cast<TForm1 *>(QApplication::topLevelWidgets().constLast());
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *f = qobject_cast<TForm1 *>(w); f && f->isVisible())
                    form = f;
            }
            if (byWindowSystem) {
                QCloseEvent request;
                QCoreApplication::sendEvent(form->windowHandle(), &request);
            } else {
                form->close();
            }
        });
        QCOMPARE(runProgram(*app, [] { return std::make_unique<TForm1>(); }), 0);
    }

    void errorEscapingStartUpGivesTheFatalReportAndExitCodeOne()
    {
        MessageBoxWatcher boxes;
        auto *app = qobject_cast<Application *>(QCoreApplication::instance());
        const int code = runProgram(*app, []() -> std::unique_ptr<TForm1> {
            throw EOleError(u"OLE control activation failed"_s);
        });
        QCOMPARE(code, 1);
        QCOMPARE(boxes.seen().size(), 1);
        const auto box = boxes.seen().constFirst();
        QCOMPARE(box.caption, u"Application Error"_s);
        QCOMPARE(box.owner, nullptr);
        const QRegularExpression text(
            uR"(^Exception EOleError in module tst_shell at [0-9A-F]{8}\.\nOLE control activation failed\.\n$)"_s);
        QVERIFY2(text.match(box.text).hasMatch(), qPrintable(box.text));
    }

    void fatalTextFollowsTheFixedPattern()
    {
        const CodeLocation where{u"tagovnik"_s, 0x1a2b0};
        QCOMPARE(
            fatalStartupText(u"EOleSysError"_s, where, u"Class not registered"_s),
            u"Exception EOleSysError in module tagovnik at 0001A2B0.\nClass not registered.\n"_s);
        QCOMPARE(fatalStartupText(u"EOleError"_s, where, u"Done."_s),
                 u"Exception EOleError in module tagovnik at 0001A2B0.\nDone.\n"_s);
        QCOMPARE(fatalStartupText(u"EOleError"_s, where, QString()),
                 u"Exception EOleError in module tagovnik at 0001A2B0.\n\n"_s);
        // The location names the module that holds the code, without its folder.
        const CodeLocation here =
            CodeLocation::of(reinterpret_cast<const void *>(&fatalStartupText));
        QCOMPARE(here.moduleName, u"tst_shell"_s);
        QVERIFY(here.offset > 0);
    }
};

TAGOVNIK_TEST_MAIN_WITH(Application, TestShell)
#include "tst_shell.moc"
