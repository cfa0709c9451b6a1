#include "geometry/scene_geometry.h"

#include <cmath>

namespace {

std::array<float, 3> cartesian(const CrystalStructure& s, float x, float y, float z) {
    float p[3];
    s.fracToCartesian(x, y, z, p);
    return {p[0], p[1], p[2]};
}

}  // namespace

std::vector<ColouredSegment> cellBoxEdges(const CrystalStructure& s) {
    static const float corners[12][2][3] = {
        {{0, 0, 0}, {1, 0, 0}}, {{0, 0, 0}, {0, 1, 0}}, {{0, 0, 0}, {0, 0, 1}}, {{1, 0, 0}, {1, 0, 1}},
        {{1, 0, 0}, {1, 1, 0}}, {{0, 1, 0}, {1, 1, 0}}, {{0, 1, 0}, {0, 1, 1}}, {{1, 1, 0}, {1, 1, 1}},
        {{0, 0, 1}, {1, 0, 1}}, {{0, 0, 1}, {0, 1, 1}}, {{0, 1, 1}, {1, 1, 1}}, {{1, 0, 1}, {1, 1, 1}},
    };
    static const float colours[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    std::vector<ColouredSegment> edges;
    for (int e = 0; e < 12; ++e) {
        ColouredSegment segment{};
        const auto from = cartesian(s, corners[e][0][0], corners[e][0][1], corners[e][0][2]);
        const auto to = cartesian(s, corners[e][1][0], corners[e][1][1], corners[e][1][2]);
        for (int i = 0; i < 3; ++i) {
            segment.from[i] = from[i];
            segment.to[i] = to[i];
            segment.colour[i] = e < 3 ? colours[e][i] : 0.5f;
        }
        edges.push_back(segment);
    }
    return edges;
}

std::array<float, 3> cellCentre(const CrystalStructure& s) {
    const auto origin = cartesian(s, 0, 0, 0), corner = cartesian(s, 1, 1, 1);
    return {0.5f * (origin[0] + corner[0]), 0.5f * (origin[1] + corner[1]), 0.5f * (origin[2] + corner[2])};
}

CylinderPlacement bondCylinder(const float first[3], const float second[3]) {
    const float v[3] = {first[0] - second[0], first[1] - second[1], first[2] - second[2]};
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!(length > 0)) return {0, {0, 0, 1}, 0};
    // Half a turn about the bisector of z and v turns z onto v.
    std::array<float, 3> axis{v[0] / length, v[1] / length, v[2] / length + 1};
    if (std::fabs(axis[0]) + std::fabs(axis[1]) + std::fabs(axis[2]) < 1e-6f) axis = {1, 0, 0};
    return {180.0f, axis, length};
}

bool applyViewKey(ViewKey key, bool shiftHeld, ViewOffsets& offsets) {
    if (key == ViewKey::Reset) {
        offsets = ViewOffsets{};
        return true;
    }
    int axis;
    float sign;
    switch (key) {
        case ViewKey::Left: axis = 0; sign = -1; break;
        case ViewKey::Right: axis = 0; sign = 1; break;
        case ViewKey::Up: axis = 1; sign = 1; break;
        case ViewKey::Down: axis = 1; sign = -1; break;
        case ViewKey::In: axis = 2; sign = 1; break;
        case ViewKey::Out: axis = 2; sign = -1; break;
        default: return false;
    }
    if (shiftHeld) offsets.rotationAngles[axis] += sign * 0.5f;
    else offsets.shift[axis] += sign * 0.01f;
    return true;
}

double aspectRatio(int width, int height) {
    return height > 0 ? static_cast<double>(width) / static_cast<double>(height) : 1.0;
}
