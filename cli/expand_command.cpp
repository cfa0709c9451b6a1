#include "cli/expand_command.h"

#include <iomanip>
#include <ostream>

#include "cli/json_text.h"
#include "io/directory_scan.h"
#include "symmetry/space_group_setting.h"

namespace {

const char* const usage =
    "Usage: tessara-cli expand FILE [--json]\n"
    "\n"
    "Reads one structure file (.cif or FOX .xml, extension in any case) and prints\n"
    "its cell, the space-group text and the setting it resolved to, the asymmetric\n"
    "unit as read and the content of the unit cell (every symmetry image, those of\n"
    "atoms on special positions included), in fractional coordinates.\n"
    "\n"
    "Options:\n"
    "  --json   print one JSON object: file, cell, space_group, number, extension,\n"
    "           operations, atoms and cell_atoms\n"
    "\n"
    "Problems found while reading are reported on stderr. Exit status 1 when the\n"
    "file cannot be read or holds no atoms.\n";

void printAtomJson(const AtomSite& atom, std::ostream& out) {
    out << "{\"label\": " << jsonString(atom.label()) << ", \"type\": " << jsonString(atom.typeSymbol())
        << ", \"element_number\": " << atom.elementNumber() << ", \"x\": " << jsonNumber(atom.x())
        << ", \"y\": " << jsonNumber(atom.y()) << ", \"z\": " << jsonNumber(atom.z()) << "}";
}

void printAtomsJson(const std::vector<AtomSite>& atoms, std::ostream& out) {
    out << "[";
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        out << (i ? ", " : "");
        printAtomJson(atoms[i], out);
    }
    out << "]";
}

void printJson(const std::string& path, LoadedStructure& s, std::ostream& out) {
    const SpaceGroupSetting* setting = s.spaceGroupSetting();
    out << "{\"file\": " << jsonString(path) << ", \"cell\": [" << jsonNumber(s.a()) << ", " << jsonNumber(s.b())
        << ", " << jsonNumber(s.c()) << ", " << jsonNumber(s.alpha()) << ", " << jsonNumber(s.beta()) << ", "
        << jsonNumber(s.gamma()) << "], \"space_group\": " << jsonString(s.spaceGroupName())
        << ", \"number\": " << (setting ? std::to_string(setting->number) : "null")
        << ", \"extension\": " << (setting ? jsonString(setting->extension) : "null")
        << ", \"operations\": " << s.symmetryOperations().size() << ", \"atoms\": ";
    printAtomsJson(s.originalAtoms(), out);
    out << ", \"cell_atoms\": ";
    printAtomsJson(s.getCellAtoms(), out);
    out << "}\n";
}

void printAtomsText(const std::vector<AtomSite>& atoms, std::ostream& out) {
    for (const AtomSite& atom : atoms)
        out << "  " << std::left << std::setw(8) << atom.label() << std::setw(4) << atom.typeSymbol() << std::right
            << std::fixed << std::setprecision(5) << std::setw(10) << atom.x() << std::setw(10) << atom.y()
            << std::setw(10) << atom.z() << "\n";
    out.unsetf(std::ios::fixed);
}

void printText(const std::string& path, LoadedStructure& s, std::ostream& out) {
    const SpaceGroupSetting* setting = s.spaceGroupSetting();
    out << "File:        " << path << "\n"
        << "Cell:        " << s.a() << " " << s.b() << " " << s.c() << "  " << s.alpha() << " " << s.beta() << " "
        << s.gamma() << "\n"
        << "Space group: \"" << s.spaceGroupName() << "\"";
    if (setting) {
        out << " -> number " << setting->number;
        if (!setting->extension.empty()) out << ", setting " << setting->extension;
        out << ", Hall symbol " << std::string(setting->hallSymbol.substr(setting->hallSymbol[0] == ' '));
    } else {
        out << " (not recognised)";
    }
    out << "\nOperations:  " << s.symmetryOperations().size() << "\n";
    out << "Asymmetric unit (" << s.originalAtoms().size() << " atoms):\n";
    printAtomsText(s.originalAtoms(), out);
    const std::vector<AtomSite>& cell = s.getCellAtoms();
    out << "Unit cell (" << cell.size() << " atoms):\n";
    printAtomsText(cell, out);
}

}  // namespace

int runExpandCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << usage;
            return 0;
        }
        if (arg == "--json") json = true;
        else files.push_back(arg);
    }
    if (files.size() != 1) {
        err << "expand takes exactly one FILE\n\n" << usage;
        return 2;
    }
    const std::string& path = files.front();
    LoadedFile file = loadStructureFile(path);
    const std::string problem = loadProblemLine(file.report);
    if (!file.report.opened || file.report.atomCount == 0) {
        err << (problem.empty() ? path + ": cannot be read" : problem) << "\n";
        return 1;
    }
    if (!problem.empty()) err << problem << "\n";
    if (json) printJson(path, file.structure, out);
    else printText(path, file.structure, out);
    return 0;
}
