#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

// One run of the command-line tool, captured.
struct CliResult {
    int status;
    std::string out, err;
};

inline CliResult runCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}
