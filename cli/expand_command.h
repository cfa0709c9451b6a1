#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// `tessara-cli expand FILE [--json]`: one structure file read, its setting,
// asymmetric unit and unit-cell content.
int runExpandCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
