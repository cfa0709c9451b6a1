// Arbitrary bytes as a FOX XML file: the reader must return something usable,
// and the symmetry expansion of it must hold together.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "io/run_log.h"
#include "io/structure_reader.h"
#include "reader_checks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setRunLogEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ReadNotes notes;
    CrystalStructure structure = StructureReader().readFoxXMLStream(in, "fuzz.xml", &notes);
    fuzzcheck::require(notes.opened);
    fuzzcheck::requireConsistentExpansion(structure);
    return 0;
}
