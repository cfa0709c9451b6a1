#pragma once

#include <string>

// Appends `message` and a line break to "log.txt" in the working directory,
// opening and closing the file each time. A file that cannot be opened drops
// the message silently.
void appendToLog(const std::string& message);

// Fuzzers and benchmarks read millions of inputs; they switch the log off.
void setRunLogEnabled(bool enabled);
