#include "similarity/fingerprint_comparison.h"

#include <cmath>

float compareFingerPrints(const std::vector<float>& a, const std::vector<float>& b, float from, float to, float step) {
    const double inv = 1.0 / double(step);
    const double first = std::trunc(std::trunc(double(from)) * inv);
    const double last = std::trunc(std::floor(double(to) * inv));
    if (a.size() != b.size()) return -1;
    const double size = double(a.size());
    const std::size_t start = first > 0 ? static_cast<std::size_t>(std::fmin(first, size)) : 0;
    const std::size_t end = last < 0 || !(last <= size) ? a.size() : static_cast<std::size_t>(last);
    float sum = 0, total = 0;
    for (std::size_t p = start; p < end; ++p) {
        const double difference = double(a[p]) - double(b[p]);
        sum = static_cast<float>(double(sum) + difference * difference);
        total = static_cast<float>(double(total) + double(a[p]) * double(b[p]));
    }
    return static_cast<float>(std::pow(std::fabs(double(sum) / double(total)), 0.5));
}
