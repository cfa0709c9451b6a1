#pragma once

// Cell parameters and the two conversion matrices (row-major). The matrices
// stay zero until computeCellMatrices runs.
struct UnitCell {
    float a = 0, b = 0, c = 0;
    float alpha = 0, beta = 0, gamma = 0;
    float fracToCart[3][3] = {};
    float cartToFrac[3][3] = {};
};

// a along Cartesian x, b in the xy plane; cartToFrac is the inverse of
// fracToCart (a zero cell leaves it non-finite, which callers must tolerate).
void computeCellMatrices(UnitCell& cell);
