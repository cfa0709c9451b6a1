#include "symmetry/lattice_type.h"

#include <cctype>

#include "symmetry/seitz_matrix.h"

const std::array<LatticeType, 9> latticeTypeTable = {{
    {'P', 1, {{{0, 0, 0}}}},
    {'A', 2, {{{0, 0, 0}, {0, 6, 6}}}},
    {'B', 2, {{{0, 0, 0}, {6, 0, 6}}}},
    {'C', 2, {{{0, 0, 0}, {6, 6, 0}}}},
    {'I', 2, {{{0, 0, 0}, {6, 6, 6}}}},
    {'R', 3, {{{0, 0, 0}, {8, 4, 4}, {4, 8, 8}}}},
    {'S', 3, {{{0, 0, 0}, {4, 4, 8}, {8, 8, 4}}}},
    {'T', 3, {{{0, 0, 0}, {4, 8, 4}, {8, 4, 8}}}},
    {'F', 4, {{{0, 0, 0}, {0, 6, 6}, {6, 0, 6}, {6, 6, 0}}}},
}};

bool LatticeType::isCentringVector(const std::array<int, 3>& t) const {
    const std::array<int, 3> reduced{modulo12(t[0]), modulo12(t[1]), modulo12(t[2])};
    for (int i = 0; i < vectorCount; ++i)
        if (vectors[i] == reduced) return true;
    return false;
}

const LatticeType* findLatticeType(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const LatticeType& lattice : latticeTypeTable)
        if (lattice.letter == upper) return &lattice;
    return nullptr;
}
