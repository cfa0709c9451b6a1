#pragma once

#include <cmath>
#include <limits>
#include <string>

#include "model/crystal_structure.h"
#include "model/element_data.h"

// Shortest distance (Å) between unit-cell atoms of elements `first` and
// `second`, over neighbouring cells, leaving out pairs of images of the same
// asymmetric-unit site. Independent of the similarity code on purpose.
inline double shortestDistance(CrystalStructure& s, const std::string& first, const std::string& second) {
    const std::vector<AtomSite>& cell = s.getCellAtoms();
    const std::size_t images = s.symmetryOperations().size();
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < cell.size(); ++i)
        for (std::size_t j = 0; j < cell.size(); ++j) {
            if (i / images == j / images) continue;
            if (elementTable[cell[i].elementNumber() - 1].symbol != first ||
                elementTable[cell[j].elementNumber() - 1].symbol != second)
                continue;
            for (int u = -1; u <= 1; ++u)
                for (int v = -1; v <= 1; ++v)
                    for (int w = -1; w <= 1; ++w) {
                        float d[3];
                        s.fracToCartesian(cell[j].x() + u - cell[i].x(), cell[j].y() + v - cell[i].y(),
                                          cell[j].z() + w - cell[i].z(), d);
                        best = std::min(best, std::sqrt(double(d[0]) * d[0] + double(d[1]) * d[1] + double(d[2]) * d[2]));
                    }
        }
    return best;
}

// Shortest distance between atoms of two different molecules, a molecule being
// the asymmetric unit under one operation and one lattice translation, before
// any wrapping into the cell.
inline double shortestIntermolecularDistance(CrystalStructure& s) {
    const std::vector<AtomSite>& atoms = s.originalAtoms();
    const std::vector<SymmetryOperation>& ops = s.symmetryOperations();
    auto image = [](const AtomSite& a, const SymmetryOperation& op, double out[3]) {
        for (int r = 0; r < 3; ++r) out[r] = op.m[r][0] * a.x() + op.m[r][1] * a.y() + op.m[r][2] * a.z() + op.m[r][3];
    };
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < ops.size(); ++k)
        for (std::size_t l = 0; l < ops.size(); ++l)
            for (int u = -2; u <= 2; ++u)
                for (int v = -2; v <= 2; ++v)
                    for (int w = -2; w <= 2; ++w) {
                        if (k == l && u == 0 && v == 0 && w == 0) continue;
                        for (const AtomSite& a : atoms)
                            for (const AtomSite& b : atoms) {
                                double p[3], q[3];
                                image(a, ops[k], p);
                                image(b, ops[l], q);
                                float d[3];
                                s.fracToCartesian(float(q[0] + u - p[0]), float(q[1] + v - p[1]), float(q[2] + w - p[2]), d);
                                best = std::min(best, std::sqrt(double(d[0]) * d[0] + double(d[1]) * d[1] + double(d[2]) * d[2]));
                            }
                    }
    return best;
}
