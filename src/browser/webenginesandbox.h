#pragma once

namespace Tagovnik {

// Chromium's sandbox refuses to start for the root user, and the web engine
// would then fail to start at all. Call before the application object exists.
void disableWebEngineSandboxWhenRoot();

} // namespace Tagovnik
