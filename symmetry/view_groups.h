#pragma once

#include <vector>

#include "model/crystal_structure.h"

// The picture of a structure in the 3D view: the asymmetric unit repeated by
// every operation, each copy moved by a whole lattice vector so that its
// centroid lies in the cell (copies are never split across cell faces).

// Fills viewGroups (the asymmetric unit as one group) if empty, then
// viewSymmetryGroups (fractional) and viewMolecules (Cartesian) if empty.
void buildViewGroups(CrystalStructure& structure);

// Mean position of the group's atoms, cached in the group once computed.
const std::vector<float>& centroidOf(AtomGroup& group);

// A bond between the centres of two atoms of one group (Cartesian, Å).
struct Bond {
    float first[3];
    float second[3];
};

// Pairs i < j within each group of `molecules` whose distance d satisfies
// r − t < d < r + t, r the sum of their covalent radii (pm × 0.01) and t the
// sum of their bond tolerances. Atoms of different groups are never bonded.
std::vector<Bond> computeBonds(const std::vector<AtomGroup>& molecules);

// Whether two atoms at distance d are bonded by that rule.
bool bonded(const AtomSite& a, const AtomSite& b, double distance);
