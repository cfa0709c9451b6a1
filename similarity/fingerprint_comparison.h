#pragma once

#include <vector>

// Dissimilarity of two sampled fingerprints over the samples from
// trunc(from)/step up to floor(to/step): sqrt(|Σ(a−b)² / Σ a·b|), 0 for
// identical ones. −1 when the lengths differ; NaN when the range is empty or
// both are zero in it. A negative `from` counts as 0.
float compareFingerPrints(const std::vector<float>& a, const std::vector<float>& b, float from, float to, float step);
