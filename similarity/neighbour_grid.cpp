#include "similarity/neighbour_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Beyond this many cells per atom the grid costs more memory than it saves time.
constexpr double maxCellsPerAtom = 4;

bool finite(const CartesianPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

double coordinate(const CartesianPoint& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

}  // namespace

NeighbourGrid::NeighbourGrid(const std::vector<AtomSite>& atoms, double radius) {
    points_.reserve(atoms.size());
    double low[3], high[3];
    std::fill(low, low + 3, std::numeric_limits<double>::infinity());
    std::fill(high, high + 3, -std::numeric_limits<double>::infinity());
    std::size_t kept = 0;
    for (const AtomSite& atom : atoms) {
        points_.push_back(pointOf(atom));
        if (!finite(points_.back())) continue;
        ++kept;
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], coordinate(points_.back(), axis));
            high[axis] = std::max(high[axis], coordinate(points_.back(), axis));
        }
    }
    if (kept == 0) return;

    // Cells no smaller than the radius, so a search looks at 3 x 3 x 3 cells;
    // coarser when the atoms are spread so thinly that most cells would be empty.
    edge_ = radius > 0 && std::isfinite(radius) ? radius : 1.0;
    const double maxCells = maxCellsPerAtom * static_cast<double>(kept) + 27;
    for (;;) {
        double cells = 1;
        for (int axis = 0; axis < 3; ++axis) cells *= std::floor((high[axis] - low[axis]) / edge_) + 1;
        if (cells <= maxCells) break;
        edge_ *= 2;
    }
    std::size_t cellCount = 1;
    for (int axis = 0; axis < 3; ++axis) {
        origin_[axis] = low[axis];
        dims_[axis] = static_cast<long>(std::floor((high[axis] - low[axis]) / edge_)) + 1;
        cellCount *= static_cast<std::size_t>(dims_[axis]);
    }

    // Counting sort by cell; stable, so indices stay ascending within a cell.
    std::vector<std::size_t> cellOf(points_.size(), cellCount);
    cellStart_.assign(cellCount + 1, 0);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (!finite(points_[i])) continue;
        std::size_t cell = 0;
        for (int axis = 0; axis < 3; ++axis) {
            const long k = std::min(dims_[axis] - 1,
                                    static_cast<long>((coordinate(points_[i], axis) - origin_[axis]) / edge_));
            cell = cell * static_cast<std::size_t>(dims_[axis]) + static_cast<std::size_t>(k);
        }
        cellOf[i] = cell;
        ++cellStart_[cell + 1];
    }
    for (std::size_t c = 0; c < cellCount; ++c) cellStart_[c + 1] += cellStart_[c];
    order_.resize(kept);
    std::vector<std::size_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (cellOf[i] < cellCount) order_[next[cellOf[i]]++] = i;
}

void NeighbourGrid::collect(const CartesianPoint& p, double radius, std::vector<std::size_t>& out) const {
    if (order_.empty() || !finite(p) || !(radius >= 0)) return;
    long from[3], to[3];
    for (int axis = 0; axis < 3; ++axis) {
        const double c = coordinate(p, axis) - origin_[axis];
        // Clamped in double first: a point far outside the grid must not overflow the index.
        const double first = std::clamp(std::floor((c - radius) / edge_), 0.0, double(dims_[axis]));
        const double last = std::clamp(std::floor((c + radius) / edge_), -1.0, double(dims_[axis] - 1));
        from[axis] = static_cast<long>(first);
        to[axis] = static_cast<long>(last);
        if (from[axis] > to[axis]) return;
    }
    const double limit = radius * radius;
    for (long i = from[0]; i <= to[0]; ++i)
        for (long j = from[1]; j <= to[1]; ++j)
            for (long k = from[2]; k <= to[2]; ++k) {
                const std::size_t cell = static_cast<std::size_t>((i * dims_[1] + j) * dims_[2] + k);
                for (std::size_t n = cellStart_[cell]; n < cellStart_[cell + 1]; ++n) {
                    const CartesianPoint& q = points_[order_[n]];
                    const double dx = double(q.x) - p.x, dy = double(q.y) - p.y, dz = double(q.z) - p.z;
                    if (dx * dx + dy * dy + dz * dz <= limit) out.push_back(order_[n]);
                }
            }
}
