#include "Unit1.h"
#include "application.h"
#include "error.h"
#include "messageboxwatcher.h"
#include "startup.h"
#include "webbrowser.h"
#include "enginepreparation.h"

#include <QAbstractButton>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

namespace {

// A pane whose every navigation fails, so that the creation handler fails.
class FailingPane : public WebBrowser
{
public:
    using WebBrowser::WebBrowser;
    void navigate(const QString &) override
    {
        throw EOleException(u"The home page cannot be opened"_s, ResultCode::unspecifiedFailure);
    }
};

class FormWithFailingPane : public TForm1
{
public:
    FormWithFailingPane()
        : TForm1([](QWidget *owner) -> WebBrowser * { return new FailingPane(owner); }, nullptr)
    {}
};

TForm1 *visibleMainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<TForm1 *>(window); form && form->isVisible())
            return form;
    }
    return nullptr;
}

// The child process of konecEndsTheProcessWithExitCodeZero: the program as it
// starts, with a user who opens the application menu and chooses "Konec".
int runAndChooseKonec(Application &application)
{
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        TForm1 *form = visibleMainWindow();
        if (!form || !QTest::qWaitForWindowExposed(form, 0))
            return;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window == form)
                continue;
            if (auto *konec = window->findChild<QAbstractButton *>(u"Action7"_s);
                konec && konec->isVisible()) {
                QTest::mouseClick(konec, Qt::LeftButton);
                return;
            }
        }
        if (auto *button = form->findChild<QWidget *>(u"ApplicationButton"_s))
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    });
    user.start(200);
    return runProgram(application, [] { return std::make_unique<TForm1>(); });
}

// The top of the program's window, where the ribbon stands: the window is the
// only thing on the otherwise black screen (no window manager moves it here).
QImage ribbonStrip()
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRgb background = screen.pixel(0, 0);
    QRect window;
    for (int y = 0; y < screen.height(); y += 2) {
        for (int x = 0; x < screen.width(); x += 2) {
            if (screen.pixel(x, y) != background)
                window |= QRect(x, y, 1, 1);
        }
    }
    if (window.height() < 150)
        return {};
    return screen.copy(window.left(), window.top(), window.width(), 140);
}

// Starts the real executable and waits until what it shows has settled.
struct RunningViewer
{
    QProcess process;
    QImage shown;

    explicit RunningViewer(const QStringList &arguments)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(TAGOVNIK_EXECUTABLE), arguments);
        if (!process.waitForStarted())
            return;
        // Settled when three looks in a row, a second apart, saw the same ribbon.
        QImage previous;
        int same = 0;
        for (int attempt = 0; attempt < 60 && process.state() == QProcess::Running; ++attempt) {
            QTest::qWait(500);
            const QImage current = ribbonStrip();
            same = !current.isNull() && current == previous ? same + 1 : 0;
            previous = current;
            if (same == 2) {
                shown = current;
                return;
            }
        }
    }

    ~RunningViewer()
    {
        process.terminate();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished();
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: the engine looks for its helper once, when it starts.
    void missingEngineHelperGivesTheFatalReportAndExitCodeOne_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << false;
        QTest::newRow("not executable") << true;
    }
    void missingEngineHelperGivesTheFatalReportAndExitCodeOne()
    {
        QFETCH(bool, present);
        QTemporaryDir folder;
        const QString helper = folder.filePath(u"QtWebEngineProcess"_s);
        if (present) {
            QFile file(helper);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
        }
        qputenv("QTWEBENGINEPROCESS_PATH", helper.toLocal8Bit());
        MessageBoxWatcher boxes;
        auto *app = qobject_cast<Application *>(QCoreApplication::instance());
        const int code = runProgram(*app, [] { return std::make_unique<TForm1>(); });
        qunsetenv("QTWEBENGINEPROCESS_PATH");

        QCOMPARE(code, 1);
        QCOMPARE(boxes.seen().size(), 1);
        const auto box = boxes.seen().constFirst();
        QCOMPARE(box.caption, u"Application Error"_s);
        const QString reason = present ? u"is not an executable file"_s : u"does not exist"_s;
        const QRegularExpression text(
            u"^Exception EOleSysError in module tst_startup at [0-9A-F]{8}\\.\\n"
            "The web engine's helper program %1 %2\\.\\n$"_s.arg(
                QRegularExpression::escape(helper), reason));
        QVERIFY2(text.match(box.text).hasMatch(), qPrintable(box.text));
    }

    void anErrorInTheCreationHandlerComesBeforeTheWindowAndStartUpGoesOn()
    {
        MessageBoxWatcher boxes;
        bool windowShown = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (TForm1 *form = visibleMainWindow()) {
                windowShown = true;
                form->close();
            }
        });
        closer.start(50);
        auto *app = qobject_cast<Application *>(QCoreApplication::instance());
        const int code =
            runProgram(*app, [] { return std::make_unique<FormWithFailingPane>(); });

        QCOMPARE(code, 0);
        QVERIFY(windowShown);
        QCOMPARE(boxes.seen().size(), 1);
        const auto box = boxes.seen().constFirst();
        QCOMPARE(box.caption, u"Tagovnik 2.1"_s);
        QCOMPARE(box.text, u"The home page cannot be opened."_s);
        QVERIFY2(!box.mainWindowShown, "the error box came after the window");
    }

    void konecEndsTheProcessWithExitCodeZero()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TAGOVNIK_TEST_CHOOSE_KONEC"_s, u"1"_s);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QVERIFY2(child.waitForFinished(60000), "Konec did not end the program");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }

    // The toolkit and the engine see no arguments: a mirrored layout, another
    // window title or an open debugging port would each show here.
    void theRealProgramIgnoresItsCommandLine()
    {
        QImage plain;
        {
            RunningViewer viewer({});
            QVERIFY2(!viewer.shown.isNull(), "the program without arguments showed nothing");
            plain = viewer.shown;
        }
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();

        RunningViewer viewer({u"-reverse"_s, u"-qwindowtitle"_s, u"Podvrh"_s, u"-style"_s,
                              u"windows"_s, u"--webEngineArgs"_s,
                              u"--remote-debugging-port=%1"_s.arg(port)});
        QVERIFY2(!viewer.shown.isNull(), "the program with arguments showed nothing");
        if (viewer.shown != plain) {
            plain.save(QDir::temp().filePath(u"tst_startup-plain.png"_s));
            viewer.shown.save(QDir::temp().filePath(u"tst_startup-with-arguments.png"_s));
        }
        QVERIFY2(viewer.shown == plain, "the arguments changed what the ribbon shows (both "
                                        "pictures are in the temporary folder)");
        QTcpSocket debugging;
        debugging.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY2(!debugging.waitForConnected(1000), "a debugging port listens");
    }
};

int main(int argc, char *argv[])
{
    prepareWebEngine();
    Application application(argc, argv);
    if (qEnvironmentVariableIsSet("TAGOVNIK_TEST_CHOOSE_KONEC"))
        return runAndChooseKonec(application);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
