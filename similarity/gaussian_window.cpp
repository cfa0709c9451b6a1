#include "similarity/gaussian_window.h"

#include <cmath>

float gaussianHalfWindow(float step, float amplitude, float sharpness, double threshold) {
    if (!(step > 0)) return 0;
    constexpr int maxSteps = 1000000;
    double x = 0;
    int steps = 0;
    do {
        x += step;
    } while (double(amplitude) * std::exp(-double(sharpness) * x * x) > threshold && ++steps < maxSteps);
    return static_cast<float>(x / step + 1);
}

int sampleCount(int cutoffRadius, float step) {
    if (!(step > 0)) return 0;
    return static_cast<int>(static_cast<double>(cutoffRadius) / static_cast<double>(step)) + 1;
}
