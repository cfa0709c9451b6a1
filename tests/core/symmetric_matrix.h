#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "similarity/similarity_matrix.h"

// A symmetric matrix with a zero diagonal from its upper triangle, row-major.
inline SimilarityMatrix symmetric(std::size_t n, const std::vector<float>& upper) {
    SimilarityMatrix m(n, std::vector<float>(n, 0.0f));
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) m[i][j] = m[j][i] = upper.at(k++);
    EXPECT_EQ(k, upper.size());
    return m;
}
