// FOX XML input, read line by line in the layout FOX writes: one element per
// line, attributes in double quotes.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <fstream>
#include <istream>

#include "io/cell_check.h"
#include "io/input_file.h"
#include "io/parse_float.h"
#include "io/quaternion_rotation.h"
#include "io/rhombohedral_axes.h"
#include "io/run_log.h"
#include "io/structure_reader.h"
#include "io/xml_syntax.h"

namespace {

bool contains(const std::string& line, const char* text) { return line.find(text) != std::string::npos; }

bool nextLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

class FoxParser {
public:
    FoxParser(std::istream& in, ReadNotes& notes) : in_(in), notes_(notes) {}

    CrystalStructure parse() {
        std::string line;
        while (nextLine(in_, line)) {
            if (contains(line, "<Crystal")) {
                if (!structure_.originalAtoms().empty()) {
                    // A second crystal is another structure: its atoms must not join the first one's.
                    appendToLog("readFoxXMLFile: crystals after the first ignored");
                    notes_.problems.push_back("crystals after the first ignored");
                    break;
                }
                resetCrystal();
                spaceGroup_ = extractXmlAttribute(line, "SpaceGroup");
                appendToLog("Space group: " + spaceGroup_);
            }
            static const char* const cellNames[5] = {"\"a\"", "\"b\"", "\"c\"", "\"alpha\"", "\"beta\""};
            for (int k = 0; k < 5; ++k)
                if (contains(line, cellNames[k])) cell_[k] = parseFloat(extractXmlText(line));
            if (contains(line, "\"gamma\"")) {
                if (cellSet_) {
                    // Each repetition would add the whole group's operations once more.
                    if (!repeatedCellNoted_) notes_.problems.push_back("repeated cell angle gamma ignored");
                    repeatedCellNoted_ = true;
                } else {
                    cell_[5] = parseFloat(extractXmlText(line));
                    structure_.setCell(cell_[0], cell_[1], cell_[2], cell_[3], cell_[4], cell_[5]);
                    structure_.setSpaceGroup(onRhombohedralAxesIfCellIs(spaceGroup_, cell_));
                    cellSet_ = true;
                }
            }
            if (contains(line, "<Quaternion"))
                for (int k = 0; k < 4; ++k)
                    quaternion_[k] = parseFloat(extractXmlAttribute(line, "Q" + std::to_string(k)));
            static const char* const positionNames[3] = {"Name=\"x\"", "Name=\"y\"", "Name=\"z\""};
            for (int k = 0; k < 3; ++k)
                if (contains(line, positionNames[k])) position_[k] = parseFloat(extractXmlText(line));
            if (contains(line, "<Molecule")) insideMolecule_ = !contains(line, "/>");
            if (contains(line, "</Molecule")) insideMolecule_ = false;
            if (contains(line, "<Atom")) readAtom(line);
        }
        const std::string cellProblem = describeInvalidCell(structure_);
        if (!cellProblem.empty() && !structure_.originalAtoms().empty()) notes_.problems.push_back(cellProblem);
        return structure_;
    }

private:
    void resetCrystal() {
        structure_ = CrystalStructure();
        spaceGroup_.clear();
        std::fill(std::begin(cell_), std::end(cell_), 0.0f);
        std::fill(std::begin(position_), std::end(position_), 0.0f);
        quaternion_[0] = 1;
        quaternion_[1] = quaternion_[2] = quaternion_[3] = 0;
        insideMolecule_ = cellSet_ = false;
    }

    void readAtom(const std::string& line) {
        const std::string label = extractXmlAttribute(line, "Name");
        const std::string type = extractXmlAttribute(line, "ScattPow");
        float p[3];
        if (contains(line, "/>")) {
            static const char* const names[3] = {"x", "y", "z"};
            for (int k = 0; k < 3; ++k) p[k] = parseFloat(extractXmlAttribute(line, names[k]));
        } else {
            // The coordinates follow on three lines of their own, in x, y, z order.
            std::string coordinate;
            for (float& value : p) value = nextLine(in_, coordinate) ? parseFloat(extractXmlText(coordinate)) : 0.0f;
        }
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) {
            notes_.problems.push_back("atom " + label + " skipped: coordinate not a finite number");
            return;
        }
        if (insideMolecule_) {
            // Molecule atoms are Cartesian, relative to the molecule: turn, convert, offset.
            rotateByQuaternion(p[0], p[1], p[2], quaternion_[0], quaternion_[1], quaternion_[2], quaternion_[3]);
            float fractional[3];
            structure_.cartesianToFrac(p[0], p[1], p[2], fractional);
            for (int k = 0; k < 3; ++k) p[k] = fractional[k] + position_[k];
        }
        // A lone atom is written in fractional coordinates already.
        structure_.addAtom(AtomSite(p[0], p[1], p[2], label, type));
    }

    std::istream& in_;
    ReadNotes& notes_;
    CrystalStructure structure_;
    std::string spaceGroup_;
    float cell_[6] = {};
    float quaternion_[4] = {1, 0, 0, 0};
    float position_[3] = {};
    bool insideMolecule_ = false;
    bool cellSet_ = false;
    bool repeatedCellNoted_ = false;
};

}  // namespace

CrystalStructure StructureReader::readFoxXMLStream(std::istream& in, const std::string& path, ReadNotes* notes) const {
    return readLogged(&in, "starting readFoxXMLFile function: " + path, notes,
                      [](std::istream& stream, ReadNotes& n) { return FoxParser(stream, n).parse(); });
}

CrystalStructure StructureReader::readFoxXMLFile(const std::string& path, ReadNotes* notes) const {
    std::ifstream in;
    const bool opened = openForReading(path, in);
    return readLogged(opened ? &in : nullptr, "starting readFoxXMLFile function: " + path, notes,
                      [](std::istream& stream, ReadNotes& n) { return FoxParser(stream, n).parse(); });
}
