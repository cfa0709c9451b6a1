#pragma once

#include <cstddef>
#include <vector>

#include "similarity/triangle_record.h"

// Row r stands for perimeter r·step (Å), column q for mean angle q·angleStep (degrees).
using DistanceAngleField = std::vector<std::vector<float>>;

// How triangle records are spread over the field: each adds a Gaussian
// amplitude·mass·exp(-sharpness·(Δperimeter² + Δangle²)) around its point.
struct DistanceAngleSettings {
    float step = 0.1f;         // Å per row
    double amplitude = 1.0;
    double sharpness = 100.0;  // k in exp(-k x²)
    float angleStep = 0.1f;    // degrees per column
};

// trunc(R / step) + 1 rows, covering perimeters 0..R; none for a negative R or a bad step.
std::size_t distanceAngleRows(int cutoffRadius, float step);
// 1 + trunc(70 / angleStep) columns: mean angles beyond 60° are impossible.
std::size_t distanceAngleColumns(float angleStep);

// The reach of a distance-angle environment: R plus the Gaussian's half-window in Å.
double distanceAngleReach(int cutoffRadius, const DistanceAngleSettings& settings);

// The field of the records for cut-off R. The Gaussian factorises into a
// perimeter factor and an angle factor, computed once per record and row or column.
DistanceAngleField distanceAngleField(const std::vector<TriangleRecord>& records, int cutoffRadius,
                                      const DistanceAngleSettings& settings);
// The same, one exponential per grid point: the reference for the one above.
DistanceAngleField distanceAngleFieldDirect(const std::vector<TriangleRecord>& records, int cutoffRadius,
                                            const DistanceAngleSettings& settings);
