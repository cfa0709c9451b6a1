#pragma once

#include <string>
#include <vector>

#include "model/crystal_structure.h"

// Lowest and highest neighbour-cell index along a, b and c.
struct CellRange {
    int low[3] = {0, 0, 0};
    int high[3] = {0, 0, 0};
};

// The asymmetric unit of a structure (the centre atoms) surrounded by every
// other atom image of the unit cell and of enough neighbouring cells to hold
// all atoms within `reach` of any centre atom. Cartesian, ångström. Shared by
// the pair and the triangle environments.
class AtomEnvironment {
public:
    // `reach` (Å) decides how many neighbour cells are needed; it is at least
    // the cut-off radius R and grows by the half-window of a method's Gaussian.
    AtomEnvironment(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens, double reach);

    // Along each axis n = max(1, ceil(reach / d)) cells, d being the spacing of
    // the lattice planes across that axis. A cell that cannot reach that far in
    // a bounded number of cells leaves the environment empty and says why.
    void computeCellRange();
    // Fills centre and environment atoms, once.
    void collectEnvironmentAtoms();

    int cutoffRadius() const { return cutoffRadius_; }
    bool includeHydrogens() const { return includeHydrogens_; }
    double reach() const { return reach_; }
    const CellRange& cellRange() const { return cellRange_; }
    const std::vector<AtomSite>& centreAtoms() const { return centreAtoms_; }
    const std::vector<AtomSite>& environmentAtoms() const { return environmentAtoms_; }
    CrystalStructure& structure() { return structure_; }
    const CrystalStructure& structure() const { return structure_; }
    // Empty, or why this structure has no environment.
    const std::string& problem() const { return problem_; }

protected:
    int cutoffRadius_;
    bool includeHydrogens_;
    double reach_;
    std::vector<AtomSite> centreAtoms_;
    std::vector<AtomSite> environmentAtoms_;
    CellRange cellRange_;
    CrystalStructure structure_;
    std::string problem_;
    bool degenerate_ = false;
};
