#pragma once

#include <optional>

#include "model/atom_site.h"

// One triangle of atoms seen from one of its corners.
struct TriangleRecord {
    float perimeter;  // Å, sum of the three sides
    float meanAngle;  // degrees, cube root of the product of the three angles
    float massSum;    // sum of the three atomic masses
};

// Perimeter limit L of the distance-angle method: R + 5 Å.
inline float trianglePerimeterLimit(int cutoffRadius) { return static_cast<float>(cutoffRadius + 5); }

// The triangle (a1, a2, a3) seen from a1, or nothing when its side a2-a3 or
// its perimeter is not below `limit`.
std::optional<TriangleRecord> triangleRecord(const AtomSite& a1, const AtomSite& a2, const AtomSite& a3, float limit);
