#include "similarity/gaussian_profile.h"

#include <cmath>

namespace {

bool window(std::size_t size, float distance, float step, float halfWindow, long& lo, long& hi) {
    const double p = double(distance) / double(step);
    if (!std::isfinite(p)) return false;
    const double first = std::trunc(p - halfWindow), last = std::trunc(p + halfWindow);
    lo = first < 0 ? 0 : static_cast<long>(std::fmin(first, double(size)));
    hi = last > double(size) ? static_cast<long>(size) : static_cast<long>(std::fmax(last, 0.0));
    return lo < hi;
}

}  // namespace

void directGaussianPeak(std::vector<float>& profile, float distance, float weight, float step, float sharpness,
                        float halfWindow) {
    long lo, hi;
    if (!window(profile.size(), distance, step, halfWindow, lo, hi)) return;
    for (long j = lo; j < hi; ++j) {
        const double x = double(j) * double(step) - double(distance);
        profile[j] = static_cast<float>(double(profile[j]) + double(weight) * std::exp(-double(sharpness) * x * x));
    }
}

void addGaussianPeak(std::vector<float>& profile, float distance, float weight, float step, float sharpness,
                     float halfWindow) {
    long lo, hi;
    if (!window(profile.size(), distance, step, halfWindow, lo, hi)) return;
    // g(j+1) = g(j)·r(j), r(j+1) = r(j)·c with x = j·s − d:
    // exp(−k(x+s)²) = exp(−kx²)·exp(−k(2xs + s²)).
    const double k = sharpness, s = step, d = distance;
    const double x0 = double(lo) * s - d;
    double g = std::exp(-k * x0 * x0);
    double r = std::exp(-k * (2 * x0 * s + s * s));
    const double c = std::exp(-2 * k * s * s);
    const double w = weight;
    for (long j = lo; j < hi; ++j) {
        profile[j] = static_cast<float>(double(profile[j]) + w * g);
        g *= r;
        r *= c;
    }
}
