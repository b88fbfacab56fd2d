#pragma once

#include <QString>

namespace Tagovnik {

// Shows the error report box: caption "Tagovnik 2.1", the message with the
// period rule, the error icon and a single OK, owned by the active window.
// Returns once the user has dismissed it.
void reportError(const QString &message);

} // namespace Tagovnik
