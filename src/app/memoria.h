#pragma once
// The memory a large operation used and freed goes back to the system, so the program's
// resident memory is that of what it holds: pasting and computing 100,000 wells leave behind
// tens of megabytes of small blocks that the allocator would otherwise keep.

namespace abat {

void devolver_memoria_libre();

}  // namespace abat
