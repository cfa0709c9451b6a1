#pragma once

#include <string>
#include <vector>

// While alive, appendToLog calls made on this thread are kept here instead of
// going to log.txt. A command that computes on worker threads collects each
// structure's lines this way, then writes them in structure order, or drops
// them when the user cancels.
class RunLogCapture {
public:
    RunLogCapture();
    ~RunLogCapture();
    RunLogCapture(const RunLogCapture&) = delete;
    RunLogCapture& operator=(const RunLogCapture&) = delete;

    std::vector<std::string> takeLines();

private:
    std::vector<std::string> lines_;
    RunLogCapture* previous_;
    friend void appendToLog(const std::string& message);
};
