#include "cli/spacegroup_command.h"

#include <ostream>

#include "cli/json_text.h"
#include "symmetry/operation_text.h"
#include "symmetry/schoenflies_symbol.h"
#include "symmetry/space_group_lookup.h"
#include "symmetry/space_group_operations.h"

namespace {

const char* const usage =
    "Usage: tessara-cli spacegroup TEXT [--json]\n"
    "\n"
    "Resolves TEXT as a structure file's space-group symbol would be resolved and\n"
    "prints the setting it names (number, setting code, Hall symbol, labels) and\n"
    "the symmetry operations generated for it, in order.\n"
    "\n"
    "TEXT may be a Hermann-Mauguin symbol (\"P 21/c\", \"P121/n1\", \"Fd-3m\", \"R-3mR\"),\n"
    "a Schoenflies symbol (\"C2h^5\"), or a number (\"14\"), optionally followed by\n"
    "':' and a setting code (\"C2/c:b2\", \"Fd-3m:2\", \"62:cab\").\n"
    "\n"
    "Options:\n"
    "  --json   print one JSON object: number, extension, hall_symbol, labels and\n"
    "           operations (each as the 12 numbers of its 3x4 matrix, row by row)\n"
    "\n"
    "Exit status 1 when TEXT names no space-group setting.\n";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

void printJson(const SpaceGroupSetting& setting, const std::vector<SymmetryOperation>& ops, std::ostream& out) {
    out << "{\"number\": " << setting.number << ", \"extension\": " << jsonString(setting.extension)
        << ", \"hall_symbol\": " << jsonString(trimmed(setting.hallSymbol))
        << ", \"labels\": " << jsonString(setting.labels) << ", \"operations\": [";
    for (std::size_t k = 0; k < ops.size(); ++k) {
        out << (k ? ", [" : "[");
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) out << (i || j ? "," : "") << jsonNumber(ops[k].m[i][j]);
        out << "]";
    }
    out << "]}\n";
}

void printText(const std::string& text, const SpaceGroupSetting& setting, const std::vector<SymmetryOperation>& ops,
               std::ostream& out) {
    out << "Space group text: " << text << "\n"
        << "Number:           " << setting.number << "\n"
        << "Setting code:     " << (setting.extension.empty() ? "(none)" : std::string(setting.extension)) << "\n"
        << "Hall symbol:      " << trimmed(setting.hallSymbol) << "\n"
        << "Labels:           " << setting.labels << "\n"
        << "Schoenflies:      " << schoenfliesSymbol(setting.number) << "\n"
        << "Operations:       " << ops.size() << "\n";
    for (std::size_t k = 0; k < ops.size(); ++k) out << "  " << (k + 1) << "  " << formatOperation(ops[k]) << "\n";
}

}  // namespace

int runSpaceGroupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<std::string> texts;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << usage;
            return 0;
        }
        if (arg == "--json") json = true;
        else texts.push_back(arg);
    }
    if (texts.size() != 1) {
        err << "spacegroup takes exactly one TEXT\n\n" << usage;
        return 2;
    }
    const std::string& text = texts.front();
    const ResolvedSpaceGroup resolved = resolveSpaceGroup(text);
    if (!resolved.setting) {
        err << "space group not found: " << text << "\n";
        return 1;
    }
    if (json) printJson(*resolved.setting, *resolved.operations, out);
    else printText(text, *resolved.setting, *resolved.operations, out);
    return 0;
}
