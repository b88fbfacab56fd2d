#pragma once

#include <QString>
#include <QUrl>

namespace Tagovnik {

// What the pane shows after the renderer of its page died: a short Czech page
// with the lost address and a link that loads it again.
namespace CrashPage {

inline constexpr QStringView title = u"Stránka přestala fungovat";

QString html(const QUrl &lostPage);

} // namespace CrashPage

// Decides whether a dead renderer gets the crash page. The crash page is
// never shown in place of itself, so a renderer that keeps dying leaves the
// pane blank instead of reloading in a loop.
class CrashRecovery
{
public:
    // The renderer died while the page was shown; true when the crash page
    // should now be shown for it.
    bool rendererDied(const QUrl &shownPage);

    // The crash page has started to load.
    void crashPageShown() { m_showingCrashPage = true; }

    // Another page (by link, command or history) has started to load.
    void pageShown() { m_showingCrashPage = false; }

    bool isShowingCrashPage() const { return m_showingCrashPage; }

    // The page the crash page stands for.
    const QUrl &lostPage() const { return m_lostPage; }

private:
    bool m_showingCrashPage = false;
    QUrl m_lostPage;
};

} // namespace Tagovnik
