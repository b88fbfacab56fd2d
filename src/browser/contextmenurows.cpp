#include "contextmenurows.h"

using namespace Qt::StringLiterals;

namespace Tagovnik::ContextMenuRows {

QList<Row> rowsFor(const Spot &spot)
{
    // What the spot itself offers comes first, then the page's own entries.
    QList<Row> rows;
    if (spot.onLink) {
        rows.append({Entry::OpenLink, u"Open Link"_s});
        rows.append({Entry::CopyLinkAddress, u"Copy Link Address"_s});
    }
    if (spot.onImage)
        rows.append({Entry::CopyImage, u"Copy Image"_s});
    if (spot.hasSelection)
        rows.append({Entry::Copy, u"Copy"_s});
    if (!rows.isEmpty())
        rows.append({Entry::Separator, {}});
    rows.append({Entry::Back, u"Back"_s, spot.canGoBack});
    rows.append({Entry::Forward, u"Forward"_s, spot.canGoForward});
    rows.append({Entry::Reload, u"Reload"_s});
    rows.append({Entry::Separator, {}});
    rows.append({Entry::SelectAll, u"Select All"_s});
    rows.append({Entry::Print, u"Print..."_s});
    return rows;
}

} // namespace Tagovnik::ContextMenuRows
