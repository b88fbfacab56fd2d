#pragma once

#include <QString>

#include <cstdint>
#include <exception>

namespace Tagovnik {

// Where a piece of code lies: the file name of the module that holds it (no
// folder) and its offset from the module's start.
struct CodeLocation
{
    QString moduleName;
    std::uintptr_t offset = 0;

    static CodeLocation of(const void *code);
};

// "Exception EOleError in module tagovnik at 0001A2B0.\n<message>.\n"
QString fatalStartupText(const QString &kindName, const CodeLocation &location,
                         const QString &message);

// The fatal start-up report for an error that escaped start-up: a box without
// owner, caption "Application Error". Returns when the user has dismissed it.
void showFatalStartupReport(const std::exception &error);

} // namespace Tagovnik
