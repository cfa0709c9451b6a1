#pragma once

#include <string>
#include <vector>

class TessaraguiFrame;

// Batch loading at start-up; `args` is the whole command line, program name first.
//   -dir DIR NAME...   every NAME in DIR, read as a FOX XML file
//   -all DIR PATTERN   every file of DIR matching PATTERN ("*.xml" or "*.cif")
//   -default           the built-in set of polymorphs
// Each switch ends with a fresh data list. Anything else is ignored.
void loadFromCommandLine(TessaraguiFrame& frame, const std::vector<std::string>& args);
