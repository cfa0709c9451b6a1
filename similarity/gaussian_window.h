#pragma once

// Half-width, in samples, of a Gaussian peak amplitude·exp(−sharpness·x²)
// sampled every `step`: x grows by `step` while the peak is still above
// `threshold`, and the half-window is x / step + 1. Bounded for peaks that
// never fall below the threshold (a sharpness of 0 or less).
float gaussianHalfWindow(float step, float amplitude, float sharpness, double threshold);

// Number of samples 0, step, 2·step, … up to the cut-off radius R.
int sampleCount(int cutoffRadius, float step);
