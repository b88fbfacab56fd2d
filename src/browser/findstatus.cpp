#include "findstatus.h"

using namespace Qt::StringLiterals;

namespace Tagovnik::FindStatus {

QString text(const QString &searched, int activeMatch, int numberOfMatches)
{
    if (searched.isEmpty())
        return {};
    if (numberOfMatches <= 0)
        return u"Nenalezeno"_s;
    return u"%1 z %2"_s.arg(activeMatch).arg(numberOfMatches);
}

} // namespace Tagovnik::FindStatus
