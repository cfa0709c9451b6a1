#pragma once

#include <vector>

// n rows of n dissimilarities; row and column k stand for the structure with
// id k. Entry [i][j] compares structure i with structure j, 0 for identical.
using SimilarityMatrix = std::vector<std::vector<float>>;
