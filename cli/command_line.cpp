#include "cli/command_line.h"

#include <ostream>

#include "cli/compare_command.h"
#include "cli/expand_command.h"
#include "cli/spacegroup_command.h"

namespace {

const char* const usage =
    "Usage: tessara-cli COMMAND [OPTIONS]\n"
    "\n"
    "Compares crystal structures from the command line.\n"
    "\n"
    "Commands:\n"
    "  spacegroup TEXT [--json]   resolve a space-group symbol and list its operations\n"
    "  expand FILE [--json]       read a CIF or FOX file and list its unit-cell content\n"
    "  compare [options] PATH...  similarity matrix and cluster diagram of many structures\n"
    "\n"
    "Run 'tessara-cli COMMAND --help' for the options of a command.\n";

}  // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << usage;
        return 2;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << usage;
        return 0;
    }
    if (command == "spacegroup") return runSpaceGroupCommand(rest, out, err);
    if (command == "expand") return runExpandCommand(rest, out, err);
    if (command == "compare") return runCompareCommand(rest, out, err);
    err << "unknown command: " << command << "\n\n" << usage;
    return 2;
}
