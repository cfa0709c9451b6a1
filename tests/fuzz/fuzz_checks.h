#pragma once

// Checks shared by every fuzz target.
#include <cstdlib>

#include "symmetry/symmetry_operation.h"

namespace fuzzcheck {

// abort() rather than assert(): the check must survive release builds.
inline void require(bool condition) {
    if (!condition) std::abort();
}

inline bool isIdentity(const SymmetryOperation& op) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            if (op.m[i][j] != (i == j ? 1.0f : 0.0f)) return false;
    return true;
}

}  // namespace fuzzcheck
