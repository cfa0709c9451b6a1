#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// `tessara-cli spacegroup TEXT [--json]`: the setting TEXT resolves to and its
// operations. Exit status 1 when TEXT resolves to nothing.
int runSpaceGroupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
