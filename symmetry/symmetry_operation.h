#pragma once

// A space-group operation on fractional coordinates: three rows of rotation
// entries (-1, 0, 1) followed by the translation in fractions of the cell edge.
struct SymmetryOperation {
    float m[3][4] = {};
};
