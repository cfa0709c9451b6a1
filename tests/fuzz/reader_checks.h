#pragma once

// Checks shared by the reader targets: whatever a reader returns must expand
// into a consistent unit cell.
#include <cmath>
#include <vector>

#include "fuzz_checks.h"
#include "model/crystal_structure.h"

namespace fuzzcheck {

// Below 2^23 every float still has a fractional part, so wrapping must land in
// [0, 1] (exactly 1 only for a hair below 0).
inline bool wrapsIntoCell(float c) {
    if (!std::isfinite(c) || std::fabs(c) >= 8388608.0f) return true;
    return c >= 0.0f && c <= 1.0f;
}

inline void requireConsistentExpansion(CrystalStructure& structure) {
    const std::size_t originals = structure.originalAtoms().size();
    const std::size_t operations = structure.symmetryOperations().size();
    const std::vector<AtomSite>& cell = structure.getCellAtoms();
    require(cell.size() == originals * operations);
    for (const AtomSite& atom : cell)
        require(wrapsIntoCell(atom.x()) && wrapsIntoCell(atom.y()) && wrapsIntoCell(atom.z()));
    require(structure.getCellAtomsCartesian().size() == cell.size());
}

}  // namespace fuzzcheck
