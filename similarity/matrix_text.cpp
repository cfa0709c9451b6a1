#include "similarity/matrix_text.h"

#include <cmath>
#include <cstdio>

std::string formatMatrixValue(float value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
    return text;
}

std::string similarityMatrixText(const std::string& title, const SimilarityMatrix& matrix) {
    std::string text = "\n" + title + "\n" + std::string(38, '-') + "\n" + "ID\t";
    for (std::size_t column = 0; column < matrix.size(); ++column) text += std::to_string(column) + "\t";
    text += "\n";
    for (std::size_t row = 0; row < matrix.size(); ++row) {
        text += std::to_string(row) + ":\t";
        for (float value : matrix[row]) text += formatMatrixValue(value) + "\t";
        text += "\n";
    }
    return text;
}
