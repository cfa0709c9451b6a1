#pragma once

#include <fstream>
#include <functional>
#include <istream>
#include <string>

#include "io/structure_reader.h"

// Opens a regular file for reading (binary: the readers handle CR LF
// themselves). False for a missing or unreadable path and for a directory,
// which a stream would otherwise "open" and then read nothing from.
bool openForReading(const std::string& path, std::ifstream& in);

// The frame of every read: the start line in the run log, then `parse` on the
// stream, or "fail()" and an empty structure when there is no stream (null).
CrystalStructure readLogged(std::istream* in, const std::string& startLine, ReadNotes* notes,
                            const std::function<CrystalStructure(std::istream&, ReadNotes&)>& parse);
