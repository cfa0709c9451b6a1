// Candidate solutions of a structure-solution run, made reproducibly from the
// cimetidine FOX file: the same molecule, each time turned by a uniformly
// random rotation and placed at a uniformly random fractional position.
// Header-only because every bench/*.cpp becomes its own executable.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "io/run_log.h"
#include "io/structure_reader.h"
#include "model/element_data.h"
#include "model/loaded_structure.h"

namespace candidates {

// Fixed, so every run compares the same structures.
constexpr std::uint32_t seed = 20240611u;

inline std::string cimetidinePath() {
    std::vector<std::filesystem::path> roots;
    if (const char* shared = std::getenv("TESSARA_SHARED_DATA")) roots.emplace_back(shared);
    roots.push_back(std::filesystem::path(__FILE__).parent_path().parent_path() / ".." / "shared" / "data");
    roots.emplace_back("/work/shared/data");
    for (const auto& root : roots) {
        const std::filesystem::path file = root / "fox" / "Cimetidine.xml";
        if (std::filesystem::exists(file)) return file.string();
    }
    return {};
}

// A double in [0, 1) from two raw draws, so the sequence depends on the
// engine alone and not on a library's distribution algorithm.
inline double uniform01(std::mt19937& engine) {
    const std::uint64_t high = engine() >> 5;  // 27 bits
    const std::uint64_t low = engine() >> 6;   // 26 bits
    return static_cast<double>((high << 26) | low) * (1.0 / 9007199254740992.0);
}

// Shoemake's construction: uniform over rotations.
inline void randomUnitQuaternion(std::mt19937& engine, double q[4]) {
    const double u1 = uniform01(engine), u2 = uniform01(engine), u3 = uniform01(engine);
    const double twoPi = 6.283185307179586;
    const double r1 = std::sqrt(1 - u1), r2 = std::sqrt(u1);
    q[0] = r2 * std::cos(twoPi * u3);
    q[1] = r1 * std::sin(twoPi * u2);
    q[2] = r1 * std::cos(twoPi * u2);
    q[3] = r2 * std::sin(twoPi * u3);
}

inline std::string formatNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

// Replaces the text between the first `open` after `from` and the following `close`.
inline std::size_t replaceBetween(std::string& text, std::size_t from, const std::string& open, const std::string& close,
                                  const std::string& value) {
    const std::size_t start = text.find(open, from);
    if (start == std::string::npos) throw std::runtime_error("candidate template lacks " + open);
    const std::size_t begin = start + open.size();
    const std::size_t end = text.find(close, begin);
    if (end == std::string::npos) throw std::runtime_error("candidate template lacks " + close + " after " + open);
    text.replace(begin, end - begin, value);
    return begin + value.size();
}

// The molecule's orientation and position rewritten in the file's text.
inline std::string candidateText(const std::string& original, const double q[4], const double position[3]) {
    std::string text = original;
    const std::size_t molecule = text.find("<Molecule");
    if (molecule == std::string::npos) throw std::runtime_error("candidate template has no molecule");
    std::size_t at = text.find("<Quaternion", molecule);
    for (int k = 0; k < 4; ++k)
        at = replaceBetween(text, at, "Q" + std::to_string(k) + "=\"", "\"", formatNumber(q[k]));
    static const char* const names[3] = {"Name=\"x\">", "Name=\"y\">", "Name=\"z\">"};
    for (int k = 0; k < 3; ++k) replaceBetween(text, molecule, names[k], "<", formatNumber(position[k]));
    return text;
}

// `count` candidates, ids 0..count-1; the first `count` of a larger set are
// the same structures. Throws when the FOX file is absent or unreadable.
inline std::vector<LoadedStructure> make(int count) {
    setRunLogEnabled(false);
    const std::string path = cimetidinePath();
    if (path.empty()) throw std::runtime_error("Cimetidine.xml not found (set TESSARA_SHARED_DATA)");
    std::ifstream file(path, std::ios::binary);
    const std::string original((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (original.empty()) throw std::runtime_error("cannot read " + path);

    std::mt19937 engine(seed);
    const StructureReader reader;
    std::vector<LoadedStructure> structures(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        double q[4], position[3];
        randomUnitQuaternion(engine, q);
        for (double& p : position) p = uniform01(engine);
        std::istringstream in(candidateText(original, q, position));
        char name[32];
        std::snprintf(name, sizeof name, "candidate_%03d.xml", i);
        LoadedStructure& s = structures[static_cast<std::size_t>(i)];
        s = reader.readFoxXMLStream(in, name);
        if (s.originalAtoms().size() != 17) throw std::runtime_error(std::string(name) + ": not 17 atoms");
        s.fileName = name;
        s.setId(i);
    }
    return structures;
}

// One CIF in P 1 with every atom of the unit cell, so that a reader needs no
// symmetry to rebuild the cell.
inline void writeP1Cif(const LoadedStructure& structure, const std::filesystem::path& file) {
    LoadedStructure copy = structure;
    const std::vector<AtomSite>& atoms = copy.getCellAtoms();
    std::ofstream out(file);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    out << "data_" << file.stem().string() << "\n";
    out << "_symmetry_space_group_name_H-M 'P 1'\n";
    out << "_symmetry_Int_Tables_number 1\n";
    out << "loop_\n_symmetry_equiv_pos_as_xyz\n  'x, y, z'\n";
    out << "_cell_length_a " << formatNumber(copy.a()) << "\n";
    out << "_cell_length_b " << formatNumber(copy.b()) << "\n";
    out << "_cell_length_c " << formatNumber(copy.c()) << "\n";
    out << "_cell_angle_alpha " << formatNumber(copy.alpha()) << "\n";
    out << "_cell_angle_beta " << formatNumber(copy.beta()) << "\n";
    out << "_cell_angle_gamma " << formatNumber(copy.gamma()) << "\n";
    out << "loop_\n_atom_site_label\n_atom_site_type_symbol\n"
           "_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    int serial = 0;
    for (const AtomSite& atom : atoms) {
        const int row = atom.elementNumber();
        const std::string symbol = row >= 1 && row <= elementRowCount
                                       ? std::string(elementTable[static_cast<std::size_t>(row - 1)].symbol)
                                       : atom.typeSymbol();
        out << symbol << ++serial << ' ' << symbol << ' ' << formatNumber(atom.x()) << ' ' << formatNumber(atom.y())
            << ' ' << formatNumber(atom.z()) << "\n";
    }
}

}  // namespace candidates
