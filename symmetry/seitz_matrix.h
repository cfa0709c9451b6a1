#pragma once

#include <array>

// An exact space-group operation: integer rotation (row-major, row i gives
// new coordinate i) and translation in twelfths of the cell edges.
struct SeitzMatrix {
    std::array<int, 9> rotation{};
    std::array<int, 3> translation{};

    bool operator==(const SeitzMatrix& other) const {
        return rotation == other.rotation && translation == other.translation;
    }
};

inline int modulo12(int value) { return ((value % 12) + 12) % 12; }

inline SeitzMatrix identityOperation() { return SeitzMatrix{{1, 0, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}}; }

inline std::array<int, 3> rotate(const std::array<int, 9>& r, const std::array<int, 3>& v) {
    return {r[0] * v[0] + r[1] * v[1] + r[2] * v[2], r[3] * v[0] + r[4] * v[1] + r[5] * v[2],
            r[6] * v[0] + r[7] * v[1] + r[8] * v[2]};
}

inline std::array<int, 9> multiply(const std::array<int, 9>& a, const std::array<int, 9>& b) {
    std::array<int, 9> r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) r[3 * i + j] += a[3 * i + k] * b[3 * k + j];
    return r;
}

// a·b: apply b first, then a; translation reduced modulo 12.
inline SeitzMatrix operator*(const SeitzMatrix& a, const SeitzMatrix& b) {
    SeitzMatrix product;
    product.rotation = multiply(a.rotation, b.rotation);
    const std::array<int, 3> t = rotate(a.rotation, b.translation);
    for (int i = 0; i < 3; ++i) product.translation[i] = modulo12(t[i] + a.translation[i]);
    return product;
}

inline int determinant(const std::array<int, 9>& r) {
    return r[0] * (r[4] * r[8] - r[5] * r[7]) - r[1] * (r[3] * r[8] - r[5] * r[6]) +
           r[2] * (r[3] * r[7] - r[4] * r[6]);
}

inline int trace(const std::array<int, 9>& r) { return r[0] + r[4] + r[8]; }

// Rotation type (1, 2, 3, 4, 6 or their negatives for improper rotations) from
// determinant and trace; 0 when the matrix is no crystallographic rotation.
inline int rotationType(const std::array<int, 9>& r) {
    const int det = determinant(r), tr = trace(r);
    if (det == 1) {
        switch (tr) {
            case 3: return 1;
            case -1: return 2;
            case 0: return 3;
            case 1: return 4;
            case 2: return 6;
            default: return 0;
        }
    }
    if (det == -1) {
        switch (tr) {
            case -3: return -1;
            case 1: return -2;
            case 0: return -3;
            case -1: return -4;
            case -2: return -6;
            default: return 0;
        }
    }
    return 0;
}
