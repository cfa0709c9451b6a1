#pragma once

#include <array>
#include <vector>

#include "symmetry/lattice_type.h"
#include "symmetry/seitz_matrix.h"
#include "symmetry/symmetry_operation.h"

enum class CentricMode {
    Acentric,            // no inversion known
    InversionAtOrigin,   // -1 belongs to the group but is not stored: proper operations only
    InversionOffOrigin,  // every operation, improper ones included, is stored
};

constexpr int maxOperations = 192;

// The working record of one group generation, in exact twelfths.
struct SpaceGroupBuilder {
    const LatticeType* lattice = &latticeTypeTable[0];
    CentricMode centricMode = CentricMode::Acentric;
    std::vector<SeitzMatrix> operations;  // position 0 holds the identity once anything is added
    std::array<int, 3> originShift{};     // change-of-basis vector, twelfths
};

// Inserts one generator and closes the group under multiplication.
bool addOperation(SpaceGroupBuilder& builder, const SeitzMatrix& operation);

// Applies the origin shift, settles the centric mode, normalises translations
// and orders the operations so that each is followed by its powers.
bool completeSpaceGroup(SpaceGroupBuilder& builder);

// Every centring vector × (identity, and inversion when it sits at the origin)
// × stored operation; translations reduced into (-1/2, 1/2] and the identity first.
std::vector<SymmetryOperation> exportOperations(const SpaceGroupBuilder& builder);
