#pragma once

#include <QString>
#include <QStringView>

namespace Tagovnik {

// Every page the program opens: two local pages beside the executable and nine
// remote pages on four configured hosts. Callers ask immediately before they
// navigate and keep nothing.
namespace PageAddresses {

inline constexpr QStringView homePageFile = u"index.html";
inline constexpr QStringView recommendPageFile = u"doporucit.html";

// Everything up to and including the last '/' of the path; empty without one.
QString programFolder(const QString &executablePath);

// The program folder followed by the file name: a plain path, nothing escaped.
QString resolveLocalPage(const QString &executablePath, QStringView fileName);
QString resolveLocalPage(QStringView fileName);

QString homePage();
QString recommendPage();

enum class RemotePage {
    Help,
    About,
    Update,
    NationalUpdate,
    OnlineEdition,
    MakerSite,
    CssProject,
    Support,
    Tips,
};

struct RemoteHosts
{
    QString international;
    QString national;
    QString nationalAlternative;
    QString onlineEdition;
    QString velmora;

    // The hosts this build was configured with.
    static RemoteHosts configured();
};

QString remotePage(RemotePage page, const RemoteHosts &hosts);
QString remotePage(RemotePage page);

} // namespace PageAddresses

} // namespace Tagovnik
