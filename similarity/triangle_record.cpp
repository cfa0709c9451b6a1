#include "similarity/triangle_record.h"

#include <cmath>

#include "geometry/geometry.h"

std::optional<TriangleRecord> triangleRecord(const AtomSite& a1, const AtomSite& a2, const AtomSite& a3, float limit) {
    const CartesianPoint p1 = pointOf(a1), p2 = pointOf(a2), p3 = pointOf(a3);
    const double d23 = distanceBetween(p2, p3);
    // Written as negations so that a NaN side or perimeter rejects too.
    if (!(d23 < limit)) return std::nullopt;
    const double perimeter = distanceBetween(p1, p2) + distanceBetween(p1, p3) + d23;
    if (!(perimeter < limit)) return std::nullopt;
    const float product = angleAtVertex(p2, p1, p3) * angleAtVertex(p1, p3, p2) * angleAtVertex(p1, p2, p3);
    // A single-precision third: the mean angle of an equilateral triangle is 59.99974, not 60.
    const float meanAngle = static_cast<float>(std::pow(static_cast<double>(product), static_cast<double>(0.333333f)));
    return TriangleRecord{static_cast<float>(perimeter), meanAngle, a1.mass() + a2.mass() + a3.mass()};
}
