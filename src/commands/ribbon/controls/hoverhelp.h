#pragma once

#include <QEvent>

namespace Tagovnik::Ribbon {

// The ribbon offers no hover help: no tooltip and no what's-this, on any of its widgets or
// pop-ups. Their event handlers swallow these requests.
inline bool isHoverHelp(const QEvent *event)
{
    return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
}

} // namespace Tagovnik::Ribbon
