#include "downloadstatus.h"

using namespace Qt::StringLiterals;

namespace Tagovnik::DownloadStatus {

QString progress(const QString &fileName, qint64 receivedBytes, qint64 totalBytes)
{
    if (totalBytes <= 0)
        return u"Stahuje se „%1“…"_s.arg(fileName);
    const qint64 percent = qBound(qint64(0), receivedBytes * 100 / totalBytes, qint64(100));
    return u"Stahuje se „%1“: %2 %"_s.arg(fileName).arg(percent);
}

QString finished(const QString &fileName)
{
    return u"Staženo: „%1“"_s.arg(fileName);
}

QString failed(const QString &fileName, const QString &reason)
{
    if (reason.isEmpty())
        return u"Soubor „%1“ se nepodařilo stáhnout"_s.arg(fileName);
    return u"Soubor „%1“ se nepodařilo stáhnout: %2"_s.arg(fileName, reason);
}

} // namespace Tagovnik::DownloadStatus
