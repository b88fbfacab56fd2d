#pragma once

namespace Tagovnik {

// The C library raises the size from which it maps a block of its own each
// time such a block is freed, up to 32 MiB. The engine's frame and texture
// buffers, a set for every page shown, then come from the heap, which they
// fragment so that it never shrinks back: after a thousand pages the program
// held 10-15% more memory than after fifty, all of it free. Fixing the size at
// the library's starting value keeps those buffers in mappings of their own
// that go back to the system when freed. Call first thing in main(), before
// any thread starts. Returns false where the C library has no such setting.
bool keepLargeBlocksOutOfTheHeap();

} // namespace Tagovnik
