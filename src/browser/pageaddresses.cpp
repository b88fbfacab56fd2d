#include "pageaddresses.h"

#include "executablepath.h"
#include "pagehosts.h"

using namespace Qt::StringLiterals;

namespace Tagovnik {

namespace PageAddresses {

QString programFolder(const QString &executablePath)
{
    return executablePath.left(executablePath.lastIndexOf(u'/') + 1);
}

QString resolveLocalPage(const QString &executablePath, QStringView fileName)
{
    return programFolder(executablePath) + fileName;
}

QString resolveLocalPage(QStringView fileName)
{
    return resolveLocalPage(currentExecutablePath(), fileName);
}

QString homePage()
{
    return resolveLocalPage(homePageFile);
}

QString recommendPage()
{
    return resolveLocalPage(recommendPageFile);
}

RemoteHosts RemoteHosts::configured()
{
    return {
        QString::fromUtf16(ConfiguredHosts::international),
        QString::fromUtf16(ConfiguredHosts::national),
        QString::fromUtf16(ConfiguredHosts::nationalAlternative),
        QString::fromUtf16(ConfiguredHosts::onlineEdition),
        QString::fromUtf16(ConfiguredHosts::velmora),
    };
}

QString remotePage(RemotePage page, const RemoteHosts &hosts)
{
    const QString http = u"http://"_s;
    const QString versions = u"/index.php?option=com_versions&catid=3"_s;
    switch (page) {
    case RemotePage::Help:
        return http + hosts.international + u"/help/index.php?act=kb&code=cat&id=3";
    case RemotePage::About:
        return http + hosts.international +
               u"/index.php?page=shop.product_details&flypage=flypage&product_id=2"
               u"&category_id=2&manufacturer_id=0&option=com_supacart&Itemid=110";
    case RemotePage::Update:
        return http + hosts.international + versions;
    case RemotePage::NationalUpdate:
        return http + hosts.national + versions;
    case RemotePage::OnlineEdition:
        return http + hosts.onlineEdition;
    case RemotePage::MakerSite:
        return http + hosts.national;
    case RemotePage::CssProject:
        return http + hosts.velmora;
    case RemotePage::Support:
        return http + hosts.national + u"/help";
    case RemotePage::Tips:
        return http + hosts.nationalAlternative +
               u"/index.php?option=com_alphacontent&section=13&cat=37&Itemid=130";
    }
    Q_UNREACHABLE();
    return {};
}

QString remotePage(RemotePage page)
{
    return remotePage(page, RemoteHosts::configured());
}

} // namespace PageAddresses

} // namespace Tagovnik
