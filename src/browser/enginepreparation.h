#pragma once

namespace Tagovnik {

// Settles what the web engine reads only once, before the application object
// exists: its sandbox, how it draws, and its OpenGL context shared with the
// widgets. The program and every test that starts the engine call it first.
void prepareWebEngine();

} // namespace Tagovnik
