#pragma once

#include <QString>

namespace Tagovnik {

// The find bar's report of a search: "3 z 12" for the third of twelve matches,
// "Nenalezeno" when the page holds none, nothing while nothing is searched for.
namespace FindStatus {

QString text(const QString &searched, int activeMatch, int numberOfMatches);

} // namespace FindStatus

} // namespace Tagovnik
