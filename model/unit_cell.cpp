#include "model/unit_cell.h"

#include <cmath>

void computeCellMatrices(UnitCell& cell) {
    // The ten-digit value is part of the record: it makes cos(90°) about 4.49e-11.
    const double toRadians = 3.1415926535 / 180.0;
    const double a = cell.a, b = cell.b, c = cell.c;
    const double ca = std::cos(cell.alpha * toRadians);
    const double cb = std::cos(cell.beta * toRadians);
    const double cg = std::cos(cell.gamma * toRadians);
    const double sg = std::sin(cell.gamma * toRadians);
    const double volume = a * b * c * std::sqrt(1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg);

    const double m[3][3] = {{a, b * cg, c * cb},
                            {0, b * sg, c * (ca - cb * cg) / sg},
                            {0, 0, volume / (a * b * sg)}};
    const double cof[3][3] = {
        {m[1][1] * m[2][2] - m[1][2] * m[2][1], m[1][2] * m[2][0] - m[1][0] * m[2][2],
         m[1][0] * m[2][1] - m[1][1] * m[2][0]},
        {m[0][2] * m[2][1] - m[0][1] * m[2][2], m[0][0] * m[2][2] - m[0][2] * m[2][0],
         m[0][1] * m[2][0] - m[0][0] * m[2][1]},
        {m[0][1] * m[1][2] - m[0][2] * m[1][1], m[0][2] * m[1][0] - m[0][0] * m[1][2],
         m[0][0] * m[1][1] - m[0][1] * m[1][0]}};
    const double det = m[0][0] * cof[0][0] + m[0][1] * cof[0][1] + m[0][2] * cof[0][2];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            cell.fracToCart[i][j] = static_cast<float>(m[i][j]);
            cell.cartToFrac[i][j] = static_cast<float>(cof[j][i] / det);
        }
}
