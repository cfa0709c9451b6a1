#include "symmetry/rotation_table.h"

#include <algorithm>
#include <vector>

#include "symmetry/seitz_matrix.h"

const std::array<ReferenceRotation, 12> rotationTable = {{
    {1, '.', {1, 0, 0, 0, 1, 0, 0, 0, 1}},
    {2, '=', {-1, 0, 0, 0, -1, 0, 0, 0, 1}},
    {2, '=', {1, -1, 0, 0, -1, 0, 0, 0, -1}},   // [1 0 0], hexagonal
    {2, '=', {-1, 0, 0, -1, 1, 0, 0, 0, -1}},   // [0 1 0], hexagonal
    {2, '"', {0, 1, 0, 1, 0, 0, 0, 0, -1}},
    {2, '\'', {0, -1, 0, -1, 0, 0, 0, 0, -1}},
    {2, '|', {1, 0, 0, 1, -1, 0, 0, 0, -1}},
    {2, '\\', {-1, 1, 0, 0, 1, 0, 0, 0, -1}},
    {3, '=', {0, -1, 0, 1, -1, 0, 0, 0, 1}},
    {3, '*', {0, 0, 1, 1, 0, 0, 0, 1, 0}},
    {4, '=', {0, -1, 0, 1, 0, 0, 0, 0, 1}},
    {6, '=', {1, -1, 0, 1, 0, 0, 0, 0, 1}},
}};

const ReferenceRotation* findReferenceRotation(int order, char mark) {
    for (const ReferenceRotation& row : rotationTable)
        if (row.order == order && row.mark == mark) return &row;
    return nullptr;
}

namespace {

constexpr std::array<int, 9> cyclic{0, 0, 1, 1, 0, 0, 0, 1, 0};
constexpr std::array<int, 9> cyclicInverse{0, 1, 0, 0, 0, 1, 1, 0, 0};
constexpr std::array<int, 9> fourFoldZ{0, -1, 0, 1, 0, 0, 0, 0, 1};
constexpr std::array<int, 9> fourFoldZInverse{0, 1, 0, -1, 0, 0, 0, 0, 1};

// Inverse of a matrix of determinant 1 (its adjugate).
std::array<int, 9> inverseProper(const std::array<int, 9>& m) {
    return {m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
            m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
            m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
}

const std::vector<std::array<int, 9>>& knownRotations() {
    static const std::vector<std::array<int, 9>> known = [] {
        std::vector<std::array<int, 9>> all;
        auto add = [&all](const std::array<int, 9>& m) {
            for (const auto& candidate : {m, inverseProper(m)})
                if (std::find(all.begin(), all.end(), candidate) == all.end()) all.push_back(candidate);
        };
        for (const ReferenceRotation& row : rotationTable) {
            std::array<int, 9> m = row.matrix;
            for (int power = 0; power < 3; ++power, m = conjugateCyclic(m)) add(m);
            if (row.mark == '*') {
                m = row.matrix;
                for (int power = 0; power < 4; ++power, m = multiply(multiply(fourFoldZ, m), fourFoldZInverse))
                    add(m);
            }
        }
        return all;
    }();
    return known;
}

}  // namespace

std::array<int, 9> conjugateCyclic(const std::array<int, 9>& m) {
    return multiply(multiply(cyclic, m), cyclicInverse);
}

bool isKnownCrystallographicRotation(const std::array<int, 9>& r) {
    std::array<int, 9> proper = r;
    if (determinant(r) < 0)
        for (int& e : proper) e = -e;
    const auto& known = knownRotations();
    return std::find(known.begin(), known.end(), proper) != known.end();
}
