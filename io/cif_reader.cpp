// CIF input: cell, space group and the atom loop of the first data block with atoms.
#include <array>
#include <cmath>
#include <fstream>
#include <istream>
#include <optional>

#include "io/cell_check.h"
#include "io/cif_syntax.h"
#include "io/element_symbol.h"
#include "io/input_file.h"
#include "io/parse_float.h"
#include "io/rhombohedral_axes.h"
#include "io/run_log.h"
#include "io/structure_reader.h"
#include "symmetry/space_group_lookup.h"

namespace {

constexpr std::array<const char*, 6> cellNames = {"_cell_length_a",    "_cell_length_b",   "_cell_length_c",
                                                  "_cell_angle_alpha", "_cell_angle_beta", "_cell_angle_gamma"};

struct AtomRow {
    std::string label, type;
    float x, y, z;
};

// What one data block holds so far.
struct Block {
    std::string name;
    std::array<float, 6> cell{};
    std::optional<std::string> hermannMauguin, hermannMauguinAlt, number;
    std::vector<AtomRow> atoms;
    bool hasAtomLoop = false;

    // The space-group text to resolve: the H-M symbol, else its newer name, else
    // the number; a text that resolves to nothing gives way to the next one.
    std::string spaceGroupText() const {
        std::string first;
        bool any = false;
        for (const auto* candidate : {&hermannMauguin, &hermannMauguinAlt, &number}) {
            if (!*candidate) continue;
            if (findSpaceGroupSetting(**candidate)) return onRhombohedralAxesIfCellIs(**candidate, cell.data());
            if (!any) first = **candidate;
            any = true;
        }
        return first;
    }
};

bool isUnknown(const std::string& token) { return token == "?" || token == "."; }

bool isAbsent(const std::string& value) {
    const auto tokens = cifTokens(value);
    return tokens.empty() || (tokens.size() == 1 && (tokens[0] == "?" || tokens[0] == "."));
}

std::string firstWord(const std::string& line) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return std::string();
    std::size_t end = line.find_first_of(" \t", start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Reads lines, dropping the CR of CR LF line ends, with one line of push-back.
class LineSource {
public:
    explicit LineSource(std::istream& in) : in_(in) {}
    bool next(std::string& line) {
        if (pushed_) {
            line = std::move(*pushed_);
            pushed_.reset();
            return true;
        }
        if (!std::getline(in_, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
    void pushBack(std::string line) { pushed_ = std::move(line); }

private:
    std::istream& in_;
    std::optional<std::string> pushed_;
};

// The text of a semicolon field whose opening line is `first`; consumes up to the closing ';'.
std::string readTextField(const std::string& first, LineSource& lines) {
    std::string text = first.substr(1), line;
    while (lines.next(line)) {
        if (!line.empty() && line[0] == ';') break;
        text += "\n" + line;
    }
    return text;
}

bool endsLoop(const std::string& line) {
    const std::string word = lowerCase(firstWord(line));
    return word.empty() || line == "#END" || word == "loop_" || word[0] == '_' || word.rfind("data_", 0) == 0;
}

class CifParser {
public:
    CifParser(std::istream& in, ReadNotes& notes) : lines_(in), notes_(notes) {}

    CrystalStructure parse() {
        std::string line;
        while (lines_.next(line)) {
            if (!line.empty() && line[0] == ';') {  // a text field: never scanned for data names
                readTextField(line, lines_);
                continue;
            }
            const std::string word = lowerCase(firstWord(line));
            if (word.empty() || word[0] == '#') continue;
            if (word.rfind("data_", 0) == 0) {
                if (!block_.atoms.empty()) {
                    appendToLog("readCifFile: data blocks after " + block_.name + " ignored");
                    notes_.problems.push_back("data blocks after " + block_.name + " ignored");
                    break;
                }
                block_ = Block{};
                block_.name = firstWord(line);
            } else if (word == "loop_") {
                readLoop(line.substr(line.find_first_of("lL") + 5));
            } else if (word[0] == '_') {
                readItem(word, line);
            }
        }
        return build();
    }

private:
    void readItem(const std::string& name, const std::string& line) {
        const std::size_t after = line.find_first_not_of(" \t") + name.size();
        std::string value = extractCifValue(line, after);
        if (cifTokens(value).empty()) value = valueOnFollowingLine();

        if (name == "_symmetry_space_group_name_h-m") setText(block_.hermannMauguin, value);
        else if (name == "_space_group_name_h-m_alt") setText(block_.hermannMauguinAlt, value);
        else if (name == "_space_group_it_number" || name == "_symmetry_int_tables_number") setText(block_.number, value);
        for (std::size_t k = 0; k < cellNames.size(); ++k)
            if (name == cellNames[k]) block_.cell[k] = parseFloat(value);
    }

    static void setText(std::optional<std::string>& field, const std::string& value) {
        if (isAbsent(value)) field.reset();
        else field = value;
    }

    // CIF lets a value stand on the line after its name, or in a text field.
    std::string valueOnFollowingLine() {
        std::string line;
        if (!lines_.next(line)) return std::string();
        if (!line.empty() && line[0] == ';') return readTextField(line, lines_);
        if (endsLoop(line) || line[0] == '#') {
            lines_.pushBack(line);
            return std::string();
        }
        return extractCifValue(line, 0);
    }

    // A loop: its header names, then values up to the first line that is not a data row.
    void readLoop(const std::string& restOfLoopLine) {
        std::vector<std::string> header, values;
        bool inHeader = true;
        auto take = [&](const std::vector<std::string>& tokens) {
            for (const std::string& token : tokens) {
                if (inHeader && !token.empty() && token[0] == '_') header.push_back(lowerCase(token));
                else {
                    inHeader = false;
                    values.push_back(token);
                }
            }
        };
        take(cifTokens(restOfLoopLine));
        std::string line;
        while (lines_.next(line)) {
            if (!line.empty() && line[0] == ';') {
                inHeader = false;
                values.push_back(readTextField(line, lines_));
                continue;
            }
            const std::string word = firstWord(line);
            if (!word.empty() && word[0] == '#' && line != "#END") continue;  // a comment inside the loop
            const bool headerLine = inHeader && !word.empty() && word[0] == '_';
            if (!headerLine && endsLoop(line)) {
                lines_.pushBack(line);
                break;
            }
            take(cifTokens(line));
        }
        if (!header.empty()) takeAtoms(header, values);
    }

    void takeAtoms(const std::vector<std::string>& header, const std::vector<std::string>& values) {
        auto column = [&](const char* name) -> int {
            for (std::size_t i = 0; i < header.size(); ++i)
                if (header[i] == name) return static_cast<int>(i);
            return -1;
        };
        const int label = column("_atom_site_label"), type = column("_atom_site_type_symbol");
        const int x = column("_atom_site_fract_x"), y = column("_atom_site_fract_y"), z = column("_atom_site_fract_z");
        if (x < 0 || y < 0 || z < 0) {
            if (label >= 0) notes_.problems.push_back("atom loop without fractional coordinates ignored");
            return;
        }
        if (block_.hasAtomLoop) return;  // the first atom loop of a block counts
        block_.hasAtomLoop = true;
        const std::size_t width = header.size();
        const std::size_t rows = values.size() / width;
        for (std::size_t r = 0; r < rows; ++r) {
            const std::string* row = &values[r * width];
            AtomRow atom{label >= 0 ? row[label] : std::string(), type >= 0 ? row[type] : std::string(),
                         parseFloat(row[x]), parseFloat(row[y]), parseFloat(row[z])};
            if (isUnknown(row[x]) || isUnknown(row[y]) || isUnknown(row[z])) {
                notes_.problems.push_back("atom " + atom.label + " skipped: coordinates unknown");
                continue;
            }
            if (!std::isfinite(atom.x) || !std::isfinite(atom.y) || !std::isfinite(atom.z)) {
                notes_.problems.push_back("atom " + atom.label + " skipped: coordinate not a finite number");
                continue;
            }
            block_.atoms.push_back(std::move(atom));
        }
        if (values.size() % width != 0)
            notes_.problems.push_back("atom loop ends inside a row; the incomplete row is ignored");
    }

    CrystalStructure build() {
        CrystalStructure structure;
        if (!block_.hasAtomLoop) return structure;
        const auto& c = block_.cell;
        structure.setCell(c[0], c[1], c[2], c[3], c[4], c[5]);
        structure.setSpaceGroup(block_.spaceGroupText());
        for (const AtomRow& row : block_.atoms) {
            const std::string element =
                row.type.empty() ? elementSymbolFromLabel(row.label) : elementSymbolFromType(row.type);
            structure.addAtom(AtomSite(row.x, row.y, row.z, row.label, element));
        }
        const std::string cellProblem = describeInvalidCell(structure);
        if (!cellProblem.empty()) notes_.problems.push_back(cellProblem);
        return structure;
    }

    LineSource lines_;
    ReadNotes& notes_;
    Block block_;
};

}  // namespace

CrystalStructure StructureReader::readCifStream(std::istream& in, const std::string& path, ReadNotes* notes) const {
    return readLogged(&in, "starting readCifFile function: " + path, notes,
                      [](std::istream& stream, ReadNotes& n) { return CifParser(stream, n).parse(); });
}

CrystalStructure StructureReader::readCifFile(const std::string& path, ReadNotes* notes) const {
    std::ifstream in;
    const bool opened = openForReading(path, in);
    return readLogged(opened ? &in : nullptr, "starting readCifFile function: " + path, notes,
                      [](std::istream& stream, ReadNotes& n) { return CifParser(stream, n).parse(); });
}
