#pragma once

#include <cstddef>
#include <vector>

#include "geometry/geometry.h"
#include "model/atom_site.h"

// A uniform grid over a list of atoms for finding those near a point without
// scanning the whole list. Atoms with a non-finite coordinate are left out:
// they are near nothing.
class NeighbourGrid {
public:
    // `radius` is the largest search radius the grid will be asked for; it
    // sets the edge of the grid cells.
    NeighbourGrid(const std::vector<AtomSite>& atoms, double radius);

    // Appends to `out` the list index of every atom whose squared distance
    // from `p` is at most radius², grid cell by grid cell (not sorted).
    void collect(const CartesianPoint& p, double radius, std::vector<std::size_t>& out) const;

private:
    std::vector<CartesianPoint> points_;
    std::vector<std::size_t> order_;      // atom indices, grouped by grid cell, ascending within a cell
    std::vector<std::size_t> cellStart_;  // cell c holds order_[cellStart_[c], cellStart_[c + 1])
    double origin_[3] = {0, 0, 0};
    double edge_ = 1;
    long dims_[3] = {0, 0, 0};
};
