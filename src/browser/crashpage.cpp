#include "crashpage.h"

using namespace Qt::StringLiterals;

namespace Tagovnik {

QString CrashPage::html(const QUrl &lostPage)
{
    const QString address = lostPage.toDisplayString().toHtmlEscaped();
    const QString link = QString::fromUtf8(lostPage.toEncoded()).toHtmlEscaped();
    return uR"(<!DOCTYPE html>
<html lang="cs"><head><meta charset="utf-8"><title>%1</title>
<style>
body { font-family: sans-serif; color: #30343a; background: #f5f7fa; margin: 0; }
main { max-width: 40em; margin: 4em auto; padding: 1.5em 2em; background: #fff;
       border: 1px solid #c0c7d1; border-radius: 4px; }
h1 { font-size: 1.3em; margin-top: 0; }
.address { word-break: break-all; color: #4a5562; }
</style></head>
<body><main>
<h1>%1</h1>
<p>Proces, který stránku zobrazoval, neočekávaně skončil.</p>
<p class="address">%2</p>
<p><a id="reload" href="%3">Načíst stránku znovu</a></p>
</main></body></html>
)"_s.arg(title.toString(), address, link);
}

bool CrashRecovery::rendererDied(const QUrl &shownPage)
{
    if (m_showingCrashPage)
        return false;
    m_lostPage = shownPage;
    return true;
}

} // namespace Tagovnik
