#include "io/run_log.h"

#include <cstdio>
#include <mutex>

void appendToLog(const std::string& message) {
    // Batch runs log from worker threads; keep their lines whole.
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::FILE* file = std::fopen("log.txt", "a");
    if (!file) return;
    std::fputs(message.c_str(), file);
    std::fputc('\n', file);
    std::fclose(file);
}
