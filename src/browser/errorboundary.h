#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace Tagovnik {

// The edge between Qt's dispatch and the program's own code. Wherever a user
// action (a click, a menu choice, an accessibility action, a key) or an engine
// callback runs a command or a pane operation, it runs it through here: an error
// that escapes is handed to the error report box at that edge, so no exception
// ever unwinds through a signal, an event handler of Qt's own classes or the
// web engine.
namespace ErrorBoundary {

// What shows an escaped error. The application installs the error report box;
// until it does, errors are written to the warning log so that none is lost.
using Reporter = std::function<void(const QString &message)>;

// Installs a reporter and returns the one it replaces (tests put theirs back).
Reporter setReporter(Reporter reporter);

// Reports the exception being handled, from inside a catch block.
void reportCurrentError() noexcept;

// Runs the action. Returns false when an error escaped it (and was reported).
// A template, not a std::function: the application runs every event through
// here, and a wrapped lambda would cost a heap allocation each time.
template <typename Action>
bool run(Action &&action) noexcept
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (...) {
        reportCurrentError();
        return false;
    }
}

// Reports a message as an escaped error would be reported.
void report(const QString &message) noexcept;

} // namespace ErrorBoundary

} // namespace Tagovnik
