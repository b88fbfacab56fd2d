#include "enginehelper.h"

#include "error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace Tagovnik::EngineHelper {

static const QString helperName = u"QtWebEngineProcess"_s;

static QString unusable(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return u"The web engine's helper program %1 does not exist"_s.arg(QDir::toNativeSeparators(path));
    if (!file.isFile() || !file.isExecutable())
        return u"The web engine's helper program %1 is not an executable file"_s.arg(
            QDir::toNativeSeparators(path));
    return {};
}

QString problem(const Candidates &candidates)
{
    if (!candidates.fromEnvironment.isEmpty())
        return unusable(candidates.fromEnvironment);

    QStringList folders;
    for (const QString &folder : {candidates.libraryExecutablesFolder, candidates.applicationFolder}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(helperName);
        // The engine takes the first that exists, usable or not.
        if (QFileInfo::exists(path))
            return unusable(path);
        folders.append(QDir::toNativeSeparators(folder));
    }
    return u"The web engine's helper program %1 was found in none of these folders: %2"_s.arg(
        helperName, folders.join(u", "_s));
}

void requireAvailable()
{
    const QString text = problem({qEnvironmentVariable("QTWEBENGINEPROCESS_PATH"),
                                  QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath),
                                  QCoreApplication::applicationDirPath()});
    if (!text.isEmpty())
        throw EOleSysError(text, ResultCode::fileNotFound);
}

} // namespace Tagovnik::EngineHelper
