#pragma once

#include <fstream>
#include <string>

// Opens a regular file for reading (binary: the readers handle CR LF
// themselves). False for a missing or unreadable path and for a directory,
// which a stream would otherwise "open" and then read nothing from.
bool openForReading(const std::string& path, std::ifstream& in);
