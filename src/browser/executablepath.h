#pragma once

#include <QString>

namespace Tagovnik {

// The full path of the running executable as the system reports it for this
// process (links resolved), so that an installed link finds the real program folder.
QString currentExecutablePath();

} // namespace Tagovnik
