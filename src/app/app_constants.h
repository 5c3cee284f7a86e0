#pragma once
// Constants of the program's start.

namespace app {

// Allocations of at least this many bytes are mapped apart from the heap and given back when
// freed (KeepLargeBlocksOffTheHeap).
constexpr int kLargeBlockBytes = 256 * 1024;

} // namespace app
