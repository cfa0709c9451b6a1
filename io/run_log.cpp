#include "io/run_log.h"

#include "io/run_log_capture.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {
std::atomic<bool> logEnabled{true};
thread_local RunLogCapture* activeCapture = nullptr;
}  // namespace

RunLogCapture::RunLogCapture() : previous_(activeCapture) { activeCapture = this; }
RunLogCapture::~RunLogCapture() { activeCapture = previous_; }

std::vector<std::string> RunLogCapture::takeLines() { return std::move(lines_); }

void setRunLogEnabled(bool enabled) { logEnabled = enabled; }

void appendToLog(const std::string& message) {
    if (!logEnabled) return;
    if (activeCapture) {
        activeCapture->lines_.push_back(message);
        return;
    }
    // Batch runs log from worker threads; keep their lines whole.
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::FILE* file = std::fopen("log.txt", "a");
    if (!file) return;
    std::fputs(message.c_str(), file);
    std::fputc('\n', file);
    std::fclose(file);
}
