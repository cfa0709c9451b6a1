#pragma once

#include <vector>

#include "similarity/distance_angle_field.h"

// Dissimilarity of two fields over rows trunc(trunc(from)/step) up to (not
// including) trunc(trunc(to)/step), at most all rows of `a`, every column of
// each row of `a`: sqrt(Σ(a−b)² / Σ a·b), both sums kept in single precision
// in row order. 0 for equal fields, NaN for two empty ones or when `b` lacks
// a row or column that `a` has in the range.
float fieldMeasure(const DistanceAngleField& a, const DistanceAngleField& b, double from, double to, double step);

// fieldMeasure(a, *others[i], ...) for every i, bit for bit, but reading `a`
// once for several others at a time.
std::vector<float> fieldMeasures(const DistanceAngleField& a, const std::vector<const DistanceAngleField*>& others,
                                 double from, double to, double step);
