#include "similarity/triangle_environment.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "io/run_log.h"
#include "similarity/neighbour_grid.h"

namespace {

void addTriangle(const AtomSite& a1, const AtomSite& a2, const AtomSite& a3, float limit,
                 std::vector<TriangleRecord>& out) {
    if (const std::optional<TriangleRecord> t = triangleRecord(a1, a2, a3, limit)) out.push_back(*t);
}

void addTrianglesOfPairs(const AtomSite& centre, const std::vector<const AtomSite*>& others, float limit,
                         std::vector<TriangleRecord>& out) {
    for (std::size_t j = 0; j < others.size(); ++j)
        for (std::size_t k = j + 1; k < others.size(); ++k) addTriangle(centre, *others[j], *others[k], limit, out);
}

// Half the perimeter limit and a little more: a side computed in double
// precision from float coordinates may exceed its exact length by far less.
double neighbourRadius(float limit) { return 0.5 * double(limit) * (1 + 1e-9) + 1e-3; }

bool within(const AtomSite& a, const AtomSite& b, double radius) {
    const double dx = double(a.x()) - b.x(), dy = double(a.y()) - b.y(), dz = double(a.z()) - b.z();
    return dx * dx + dy * dy + dz * dz <= radius * radius;
}

}  // namespace

std::vector<TriangleRecord> collectTrianglesPlain(const std::vector<AtomSite>& centres,
                                                  const std::vector<AtomSite>& environment, float limit) {
    std::vector<TriangleRecord> records;
    std::vector<const AtomSite*> others;
    for (std::size_t i = 0; i < centres.size(); ++i) {
        others.clear();
        for (std::size_t c = 0; c < centres.size(); ++c)
            if (c != i) others.push_back(&centres[c]);
        for (const AtomSite& e : environment) others.push_back(&e);
        addTrianglesOfPairs(centres[i], others, limit, records);
    }
    return records;
}

std::vector<TriangleRecord> collectTriangles(const std::vector<AtomSite>& centres,
                                             const std::vector<AtomSite>& environment, float limit) {
    std::vector<TriangleRecord> records;
    // A NaN or non-positive limit keeps no triangle.
    if (!(limit > 0)) return records;
    const double radius = neighbourRadius(limit);
    const NeighbourGrid grid(environment, radius);
    std::vector<const AtomSite*> near;
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < centres.size(); ++i) {
        near.clear();
        for (std::size_t c = 0; c < centres.size(); ++c)
            if (c != i && within(centres[i], centres[c], radius)) near.push_back(&centres[c]);
        found.clear();
        grid.collect(pointOf(centres[i]), radius, found);
        // Back into list order, which decides the order of the records.
        std::sort(found.begin(), found.end());
        for (std::size_t e : found) near.push_back(&environment[e]);
        addTrianglesOfPairs(centres[i], near, limit, records);
    }
    return records;
}

TriangleEnvironment::TriangleEnvironment(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens,
                                         double reach)
    : AtomEnvironment(structure, cutoffRadius, includeHydrogens,
                      std::max(reach, neighbourRadius(trianglePerimeterLimit(cutoffRadius)))) {}

void TriangleEnvironment::buildEnvironment() {
    if (!triangles_.empty()) return;
    computeCellRange();
    collectEnvironmentAtoms();
    computeDistAngleField();
}

void TriangleEnvironment::computeDistAngleField() {
    if (!triangles_.empty()) return;
    const auto start = std::chrono::steady_clock::now();
    triangles_ = collectTriangles(centreAtoms_, environmentAtoms_, perimeterLimit());
    const long elapsed = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    char line[160];
    std::snprintf(line, sizeof line, "computeDistAngleField() time is: %ldms\n Atoms in: %d, out: %d, res size: %d\n",
                  elapsed, static_cast<int>(centreAtoms_.size()), static_cast<int>(environmentAtoms_.size()),
                  static_cast<int>(triangles_.size()));
    appendToLog(line);
}
