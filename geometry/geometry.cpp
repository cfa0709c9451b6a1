#include "geometry/geometry.h"

#include <algorithm>
#include <cmath>

double distanceBetween(const CartesianPoint& p, const CartesianPoint& q) {
    const double dx = double(p.x) - q.x, dy = double(p.y) - q.y, dz = double(p.z) - q.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

float angleAtVertex(const CartesianPoint& p, const CartesianPoint& v, const CartesianPoint& q) {
    const double u[3] = {double(q.x) - v.x, double(q.y) - v.y, double(q.z) - v.z};
    const double w[3] = {double(p.x) - v.x, double(p.y) - v.y, double(p.z) - v.z};
    const double lengthW = std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]);
    const float lengthU = static_cast<float>(std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]));
    if (lengthW == 0 || lengthU == 0) return 0;
    // Both lengths enter in single precision; the degree factor is the single-precision one.
    const double cosine = std::clamp((u[0] * w[0] + u[1] * w[1] + u[2] * w[2]) /
                                         (double(lengthU) * double(static_cast<float>(lengthW))),
                                     -1.0, 1.0);
    return static_cast<float>(std::acos(cosine) * double(57.295776f));
}
