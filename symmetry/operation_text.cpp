#include "symmetry/operation_text.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

std::string formatRow(const float row[4]) {
    static const char* const axes[3] = {"x", "y", "z"};
    std::string text;
    for (int j = 0; j < 3; ++j) {
        const long coefficient = std::lround(row[j]);
        if (coefficient == 0) continue;
        if (coefficient < 0) text += '-';
        else if (!text.empty()) text += '+';
        if (std::labs(coefficient) != 1) text += std::to_string(std::labs(coefficient));
        text += axes[j];
    }
    const long twelfths = std::lround(row[3] * 12.0);
    if (twelfths != 0) {
        const long divisor = std::gcd(std::labs(twelfths), 12L);
        text += twelfths < 0 ? '-' : '+';
        text += std::to_string(std::labs(twelfths) / divisor) + "/" + std::to_string(12 / divisor);
    }
    return text.empty() ? "0" : text;
}

}  // namespace

std::string formatOperation(const SymmetryOperation& op) {
    return formatRow(op.m[0]) + "," + formatRow(op.m[1]) + "," + formatRow(op.m[2]);
}
