#pragma once

#include <vector>

// Adds weight·exp(−sharpness·(j·step − d)²) to samples j of `profile` with
// |j − d/step| < halfWindow (the window cut at 0 and at the profile's end),
// each sum rounded to float. The Gaussian is stepped by a recurrence in double
// precision instead of one exp per sample: within 1e-12 relative of the direct
// formula, which directGaussianPeak keeps as the reference.
void addGaussianPeak(std::vector<float>& profile, float distance, float weight, float step, float sharpness,
                     float halfWindow);
void directGaussianPeak(std::vector<float>& profile, float distance, float weight, float step, float sharpness,
                        float halfWindow);
