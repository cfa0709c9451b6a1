#pragma once

#include <string>

#include "similarity/similarity_matrix.h"

// The matrix block appended to the command window: an empty line, the title,
// 38 hyphens, a header of column ids and one row per structure, every value
// "%.3f" and every line ending with a tab before its newline. NaN and
// infinite entries read "nan", "inf" and "-inf".
std::string similarityMatrixText(const std::string& title, const SimilarityMatrix& matrix);

// One matrix value as printed: "%.3f", or "nan" / "inf" / "-inf".
std::string formatMatrixValue(float value);
