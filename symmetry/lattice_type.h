#pragma once

#include <array>
#include <string_view>

// A lattice letter with its centring vectors in twelfths; the first vector is null.
struct LatticeType {
    char letter;
    int vectorCount;
    std::array<std::array<int, 3>, 4> vectors;

    // Whether `t` (any integers, read modulo 12) is one of the centring vectors.
    bool isCentringVector(const std::array<int, 3>& t) const;
};

extern const std::array<LatticeType, 9> latticeTypeTable;  // P A B C I R S T F

// The row of `letter` (either case), or null.
const LatticeType* findLatticeType(char letter);
