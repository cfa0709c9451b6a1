#pragma once

#include <vector>

#include "geometry/atom_environment.h"
#include "similarity/triangle_record.h"

// Every triangle with a centre atom as its first corner whose perimeter is
// below `limit`: for each centre atom in turn, each pair j < k of the other
// atoms, these being the other centre atoms (in list order) followed by the
// environment atoms (in list order). A triangle with several centre corners is
// thus seen once from each of them, so that a structure and its description
// with a larger asymmetric unit see the same triangles per atom.
//
// The plain enumeration tries every pair; it is the reference.
std::vector<TriangleRecord> collectTrianglesPlain(const std::vector<AtomSite>& centres,
                                                  const std::vector<AtomSite>& environment, float limit);
// The same records in the same order, pairing only the atoms near each centre:
// no side of a kept triangle reaches half its perimeter.
std::vector<TriangleRecord> collectTriangles(const std::vector<AtomSite>& centres,
                                             const std::vector<AtomSite>& environment, float limit);

// The triangles around a structure's asymmetric unit for the distance-angle
// fingerprint, with perimeter limit L = R + 5 Å.
class TriangleEnvironment : public AtomEnvironment {
public:
    // The reach is raised to L/2 when it is smaller, so that a small R still
    // finds every triangle.
    TriangleEnvironment(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens, double reach);

    // Cell range, atoms and triangles, unless triangles exist already.
    void buildEnvironment();
    // Collects the triangles (once: nothing happens when some exist) and logs
    // the time taken and the counts.
    void computeDistAngleField();

    float perimeterLimit() const { return trianglePerimeterLimit(cutoffRadius_); }
    const std::vector<TriangleRecord>& triangles() const { return triangles_; }

private:
    std::vector<TriangleRecord> triangles_;
};
