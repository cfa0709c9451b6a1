#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/crystal_structure.h"

// What a read found besides the structure: whether the file opened, and
// problems worth telling the user (skipped atoms, truncated rows, ignored
// data blocks, an impossible cell). The run log is written as well.
struct ReadNotes {
    bool opened = false;
    std::vector<std::string> problems;
};

// Reads structure files into structures. Holds no state; never throws:
// whatever could be read is returned.
class StructureReader {
public:
    // CIF: cell, space group and the atom loop of the first data block with atoms.
    CrystalStructure readCifFile(const std::string& path, ReadNotes* notes = nullptr) const;
    // FOX XML: cell, space group and every atom, molecules placed by their
    // quaternion and position, lone atoms as written (fractional).
    CrystalStructure readFoxXMLFile(const std::string& path, ReadNotes* notes = nullptr) const;

    // The same from an open stream; `path` is only used for the log lines.
    CrystalStructure readCifStream(std::istream& in, const std::string& path, ReadNotes* notes = nullptr) const;
    CrystalStructure readFoxXMLStream(std::istream& in, const std::string& path, ReadNotes* notes = nullptr) const;
};
