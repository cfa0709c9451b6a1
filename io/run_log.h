#pragma once

#include <string>

// Appends `message` and a line break to "log.txt" in the working directory,
// opening and closing the file each time. A file that cannot be opened drops
// the message silently.
void appendToLog(const std::string& message);
