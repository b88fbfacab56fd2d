#pragma once

class QUrl;

namespace Tagovnik {

// Where a navigation goes: the engine shows web and local pages, the desktop
// takes the schemes the engine cannot show (mailto: and the like), and a page
// from the network may not lead into the local file system.
namespace LinkPolicy {

enum class Route {
    Engine,
    Desktop,
    Refused,
};

// pageInitiated: a link, a form, a script or a redirect of the shown page asked
// for it, rather than the program itself.
Route routeFor(const QUrl &target, const QUrl &shownPage, bool pageInitiated);

// Pages that come from the network rather than from this machine or the engine.
bool isRemote(const QUrl &page);

} // namespace LinkPolicy

} // namespace Tagovnik
