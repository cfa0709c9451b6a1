#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole command-line tool: `args` are the arguments after the program
// name. Returns the exit status; writes results to `out` and reports to `err`.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
