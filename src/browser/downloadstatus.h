#pragma once

#include <QString>

namespace Tagovnik {

// How the pane words a download: its progress while it runs and the error when
// it fails.
namespace DownloadStatus {

// "Stahuje se „zprava.pdf“: 40 %", or without a percentage while the size is
// unknown.
QString progress(const QString &fileName, qint64 receivedBytes, qint64 totalBytes);

QString finished(const QString &fileName);

// "Soubor „zprava.pdf“ se nepodařilo stáhnout: <reason>"
QString failed(const QString &fileName, const QString &reason);

} // namespace DownloadStatus

} // namespace Tagovnik
