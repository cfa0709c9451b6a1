#include "symmetry/view_groups.h"

#include <cmath>

#include "geometry/geometry.h"

namespace {

// The whole-number shift that brings c into [0, 1); none for values that
// have no fractional part left.
float cellShift(float c) {
    if (!std::isfinite(c) || std::fabs(c) >= 16777216.0f) return 0;
    return static_cast<float>(-std::floor(double(c)));
}

AtomSite imageUnderOperation(const AtomSite& atom, const SymmetryOperation& op) {
    float p[3];
    for (int i = 0; i < 3; ++i)
        p[i] = static_cast<float>(double(op.m[i][0]) * atom.x() + double(op.m[i][1]) * atom.y() +
                                  double(op.m[i][2]) * atom.z() + double(op.m[i][3]));
    AtomSite image = atom;
    image.setXYZ(p[0], p[1], p[2]);
    return image;
}

}  // namespace

const std::vector<float>& centroidOf(AtomGroup& group) {
    if (group.centroid.empty() && !group.atoms.empty()) {
        double sum[3] = {0, 0, 0};
        for (const AtomSite& atom : group.atoms) {
            sum[0] += atom.x();
            sum[1] += atom.y();
            sum[2] += atom.z();
        }
        const double n = static_cast<double>(group.atoms.size());
        group.centroid = {float(sum[0] / n), float(sum[1] / n), float(sum[2] / n)};
    }
    return group.centroid;
}

void buildViewGroups(CrystalStructure& s) {
    if (s.viewGroups().empty()) s.viewGroups().push_back(AtomGroup{s.asymmetricAtoms(), {}});
    if (s.viewSymmetryGroups().empty()) {
        for (const AtomGroup& group : s.viewGroups())
            for (const SymmetryOperation& op : s.symmetryOperations()) {
                AtomGroup image;
                for (const AtomSite& atom : group.atoms) image.atoms.push_back(imageUnderOperation(atom, op));
                s.viewSymmetryGroups().push_back(std::move(image));
            }
        for (AtomGroup& group : s.viewSymmetryGroups()) {
            const std::vector<float>& c = centroidOf(group);
            if (c.empty()) continue;
            const float shift[3] = {cellShift(c[0]), cellShift(c[1]), cellShift(c[2])};
            for (AtomSite& atom : group.atoms) atom.setXYZ(atom.x() + shift[0], atom.y() + shift[1], atom.z() + shift[2]);
        }
    }
    if (s.viewMolecules().empty())
        for (const AtomGroup& group : s.viewSymmetryGroups())
            s.viewMolecules().push_back(AtomGroup{s.toCartesianAtoms(group.atoms), {}});
}

bool bonded(const AtomSite& a, const AtomSite& b, double d) {
    const double r = double(a.element().covalentRadius + b.element().covalentRadius) * double(0.01f);
    const double t = double(a.element().bondTolerance) + double(b.element().bondTolerance);
    return r - t < d && d < r + t;
}

std::vector<Bond> computeBonds(const std::vector<AtomGroup>& molecules) {
    std::vector<Bond> bonds;
    for (const AtomGroup& group : molecules)
        for (std::size_t i = 0; i < group.atoms.size(); ++i)
            for (std::size_t j = i + 1; j < group.atoms.size(); ++j) {
                const AtomSite& a = group.atoms[i];
                const AtomSite& b = group.atoms[j];
                if (bonded(a, b, distanceBetween(pointOf(a), pointOf(b))))
                    bonds.push_back(Bond{{a.x(), a.y(), a.z()}, {b.x(), b.y(), b.z()}});
            }
    return bonds;
}
