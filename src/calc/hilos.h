#pragma once
// Work split over the processor's cores.

#include <cstddef>
#include <functional>

namespace abat {

// The threads worth starting for `evaluaciones` well-place evaluations: one for small jobs, where
// starting a thread costs more than it saves; at most one per core.
unsigned hilos_para(double evaluaciones);

// Runs trabajo(desde, hasta) over consecutive ranges that cover [0, n), each a multiple of
// `multiplo` long but the last, on `hilos` threads (the calling one among them). `trabajo` must
// not throw on another thread; the calling thread's exception comes out once the others have
// ended. Where no thread can be started, the calling thread does its range.
void en_paralelo(size_t n, size_t multiplo, unsigned hilos,
                 const std::function<void(size_t, size_t)>& trabajo);

}  // namespace abat
