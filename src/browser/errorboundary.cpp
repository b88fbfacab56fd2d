#include "errorboundary.h"

#include "error.h"

#include <QDebug>

using namespace Qt::StringLiterals;

namespace Tagovnik::ErrorBoundary {

namespace {

Reporter &installedReporter()
{
    static Reporter reporter;
    return reporter;
}

} // namespace

Reporter setReporter(Reporter reporter)
{
    return std::exchange(installedReporter(), std::move(reporter));
}

void report(const QString &message) noexcept
{
    try {
        if (const Reporter &reporter = installedReporter())
            reporter(message);
        else
            qWarning().noquote() << message;
    } catch (...) {
        // The box itself failed (no memory, say); the event loop still goes on.
        qWarning().noquote() << message;
    }
}

void reportCurrentError() noexcept
{
    try {
        throw;
    } catch (const Error &error) {
        report(error.message());
    } catch (const std::exception &error) {
        report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        report(u"An unknown error occurred"_s);
    }
}

} // namespace Tagovnik::ErrorBoundary
