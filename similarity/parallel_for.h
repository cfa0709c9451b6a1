#pragma once

#include <functional>

// Runs body(i) for i = 0 … count−1 on up to `threads` threads (0: one per
// core), handing out indices in order as threads become free. Each index runs
// exactly once; results must not depend on which thread ran it.
void parallelFor(int count, unsigned threads, const std::function<void(int)>& body);

// The thread count a request of `threads` means on this machine.
unsigned resolveThreadCount(unsigned threads);
