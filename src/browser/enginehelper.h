#pragma once

#include <QString>

namespace Tagovnik::EngineHelper {

// The web engine runs its pages in a helper program, QtWebEngineProcess. When
// the engine cannot find it, it ends the whole program on the spot, so the
// viewer looks for it first, where the engine will, and reports what is missing.

// Where the engine takes its helper from: the path in QTWEBENGINEPROCESS_PATH
// when that is set, and only there; otherwise the first of Qt's folder of
// library executables and the program's own folder that holds it.
struct Candidates
{
    QString fromEnvironment;
    QString libraryExecutablesFolder;
    QString applicationFolder;
};

// Why the helper cannot run (a sentence naming the path), or empty when it can.
QString problem(const Candidates &candidates);

// Raises EOleSysError with that sentence when the helper cannot run.
void requireAvailable();

} // namespace Tagovnik::EngineHelper
