#pragma once

#include <array>

// Axis marks of the reference rotations: '.' none (order 1), '=' principal,
// '"' along a+b, '\'' along a-b, '|' along 2a+b, '\\' along a+2b, '*' along a+b+c.
struct ReferenceRotation {
    int order;
    char mark;
    std::array<int, 9> matrix;  // row-major, for the axis [0 0 1] where it has one
};

extern const std::array<ReferenceRotation, 12> rotationTable;

// First row with this order and mark, or null.
const ReferenceRotation* findReferenceRotation(int order, char mark);

// Q·M·Q⁻¹ with the cyclic permutation Q: turns a rotation about z into one about x.
std::array<int, 9> conjugateCyclic(const std::array<int, 9>& m);

// Whether the proper part of `r` is one of the rotations the table describes,
// in any of the orientations the table's axes take under the cubic permutations.
bool isKnownCrystallographicRotation(const std::array<int, 9>& r);
