#include "error.h"
#include "errorboundary.h"
#include "errorrecorder.h"

#include <QTest>

#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

class TestErrorBoundary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever escapes is reported once, with the text the report box shows,
    // and the caller learns that the action failed.
    void everyKindOfEscapeIsReported()
    {
        ErrorRecorder errors;
        QVERIFY(!ErrorBoundary::run([] { throw EOleError(u"Navigation failed"_s); }));
        QVERIFY(!ErrorBoundary::run([] { throw std::runtime_error("out of range"); }));
        QVERIFY(!ErrorBoundary::run([] { throw 42; }));
        QCOMPARE(errors.messages, QStringList({u"Navigation failed"_s, u"out of range"_s,
                                               u"An unknown error occurred"_s}));
    }

    // An action that succeeds runs once and reports nothing, even one that can
    // only be moved, which a copied function wrapper could not hold.
    void aSucceedingActionRunsOnce()
    {
        ErrorRecorder errors;
        auto counter = std::make_unique<int>(0);
        QVERIFY(ErrorBoundary::run([counter = std::move(counter)] { ++*counter; }));
        int runs = 0;
        QVERIFY(ErrorBoundary::run([&] { ++runs; }));
        QCOMPARE(runs, 1);
        QVERIFY(errors.messages.isEmpty());
    }

    // A report box that fails itself does not take the program down.
    void aFailingReporterIsSurvived()
    {
        const auto previous = ErrorBoundary::setReporter(
            [](const QString &) { throw std::bad_alloc(); });
        QTest::ignoreMessage(QtWarningMsg, "Navigation failed");
        QVERIFY(!ErrorBoundary::run([] { throw EOleError(u"Navigation failed"_s); }));
        ErrorBoundary::setReporter(previous);
    }
};

QTEST_GUILESS_MAIN(TestErrorBoundary)
#include "tst_errorboundary.moc"
