#include "similarity/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

unsigned resolveThreadCount(unsigned threads) {
    if (threads > 0) return threads;
    return std::max(1u, std::thread::hardware_concurrency());
}

void parallelFor(int count, unsigned threads, const std::function<void(int)>& body) {
    const unsigned workers = std::min<unsigned>(resolveThreadCount(threads), static_cast<unsigned>(std::max(count, 0)));
    if (workers <= 1) {
        for (int i = 0; i < count; ++i) body(i);
        return;
    }
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < count; i = next++) body(i);
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < workers; ++t) pool.emplace_back(work);
    work();
    for (std::thread& thread : pool) thread.join();
}
