#include "geometry/atom_environment.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

// Beyond these a cell is too small (or broken) for the distances asked for.
constexpr double maxCellsPerAxis = 200;
constexpr double maxEnvironmentAtoms = 4.0e6;

std::vector<AtomSite> withoutHydrogen(std::vector<AtomSite> atoms, bool includeHydrogens) {
    if (!includeHydrogens)
        atoms.erase(std::remove_if(atoms.begin(), atoms.end(), [](const AtomSite& a) { return a.elementNumber() == 1; }),
                    atoms.end());
    return atoms;
}

}  // namespace

AtomEnvironment::AtomEnvironment(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens,
                                 double reach)
    : cutoffRadius_(cutoffRadius),
      includeHydrogens_(includeHydrogens),
      reach_(std::max<double>(reach, cutoffRadius)),
      structure_(structure) {}

void AtomEnvironment::computeCellRange() {
    const auto& m = structure_.cell().fracToCart;
    double axis[3][3];
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) axis[k][i] = m[i][k];
    auto cross = [](const double* u, const double* v, double* out) {
        out[0] = u[1] * v[2] - u[2] * v[1];
        out[1] = u[2] * v[0] - u[0] * v[2];
        out[2] = u[0] * v[1] - u[1] * v[0];
    };
    double bc[3];
    cross(axis[1], axis[2], bc);
    const double volume = std::fabs(axis[0][0] * bc[0] + axis[0][1] * bc[1] + axis[0][2] * bc[2]);
    double cells = 1;
    for (int k = 0; k < 3; ++k) {
        double normal[3];
        cross(axis[(k + 1) % 3], axis[(k + 2) % 3], normal);
        const double spacing = volume / std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
        const double n = std::max(1.0, std::ceil(reach_ / spacing));
        if (!std::isfinite(spacing) || spacing <= 0 || !(n <= maxCellsPerAxis)) {
            degenerate_ = true;
            cellRange_ = CellRange{};
            std::ostringstream text;
            text << "cell too small or degenerate to reach " << reach_ << " \xc3\x85";
            problem_ = text.str();
            return;
        }
        cellRange_.low[k] = -static_cast<int>(n);
        cellRange_.high[k] = static_cast<int>(n);
        cells *= 2 * n + 1;
    }
    if (cells * static_cast<double>(structure_.getCellAtoms().size()) > maxEnvironmentAtoms) {
        degenerate_ = true;
        cellRange_ = CellRange{};
        problem_ = "too many atoms within reach of the asymmetric unit";
    }
}

void AtomEnvironment::collectEnvironmentAtoms() {
    if (degenerate_ || (!centreAtoms_.empty() && !environmentAtoms_.empty())) return;
    const std::vector<AtomSite> cell = withoutHydrogen(structure_.getCellAtomsCartesian(), includeHydrogens_);
    environmentAtoms_ = withoutHydrogen(structure_.getImageAtomsCartesian(), includeHydrogens_);
    const CellRange& r = cellRange_;
    for (int i = r.low[0]; i <= r.high[0]; ++i)
        for (int j = r.low[1]; j <= r.high[1]; ++j)
            for (int k = r.low[2]; k <= r.high[2]; ++k) {
                if (i == 0 && j == 0 && k == 0) continue;
                float shift[3];
                structure_.fracToCartesian(float(i), float(j), float(k), shift);
                for (const AtomSite& atom : cell)
                    environmentAtoms_.emplace_back(atom.x() + shift[0], atom.y() + shift[1], atom.z() + shift[2],
                                                   atom.label(), atom.elementNumber());
            }
    centreAtoms_ = withoutHydrogen(structure_.getAsymmetricAtomsCartesian(), includeHydrogens_);
}
