// The symmetry expansion of a structure's asymmetric unit and the edits of it.
#include <cmath>

#include "model/crystal_structure.h"

namespace {

AtomSite imageOf(const AtomSite& atom, const SymmetryOperation& op) {
    const double x = atom.x(), y = atom.y(), z = atom.z();
    float image[3];
    for (int i = 0; i < 3; ++i)
        image[i] = static_cast<float>(static_cast<double>(op.m[i][0]) * x + static_cast<double>(op.m[i][1]) * y +
                                      static_cast<double>(op.m[i][2]) * z + static_cast<double>(op.m[i][3]));
    // A copy keeps label, type symbol and the element resolved from it.
    AtomSite result = atom;
    result.setXYZ(image[0], image[1], image[2]);
    return result;
}

float wrapped(float c) {
    // Beyond 2^24 a float has no fractional part and subtracting 1 changes nothing.
    if (!std::isfinite(c) || std::fabs(c) >= 16777216.0f) return c;
    const double old = c;
    const double reduced = old - std::floor(old);
    return static_cast<float>(old + (reduced - old));
}

}  // namespace

void wrapIntoCell(AtomSite& atom) { atom.setXYZ(wrapped(atom.x()), wrapped(atom.y()), wrapped(atom.z())); }

void CrystalStructure::expandAsymmetricUnit() {
    if (!cellAtoms_.empty()) resetDerivedAtoms();
    for (const AtomSite& atom : asymmetricAtoms_)
        for (std::size_t k = 0; k < symmetryOperations_.size(); ++k) {
            const AtomSite image = imageOf(atom, symmetryOperations_[k]);
            cellAtoms_.push_back(image);
            if (k > 0) imageAtoms_.push_back(image);
        }
    for (AtomSite& atom : cellAtoms_) wrapIntoCell(atom);
    for (AtomSite& atom : imageAtoms_) wrapIntoCell(atom);
    if (wrapAsymmetricAtoms_)
        for (AtomSite& atom : asymmetricAtoms_) wrapIntoCell(atom);
    expanded_ = true;
}

void CrystalStructure::resetDerivedAtoms() {
    asymmetricAtomsCartesian_.clear();
    viewGroups_.clear();
    viewSymmetryGroups_.clear();
    viewMolecules_.clear();
    cellAtoms_.clear();
    cellAtomsCartesian_.clear();
    imageAtoms_.clear();
    imageAtomsCartesian_.clear();
    asymmetricAtoms_ = originalAtoms_;
    expanded_ = false;
}

const std::vector<AtomSite>& CrystalStructure::getCellAtoms() {
    if (!expanded_) expandAsymmetricUnit();
    return cellAtoms_;
}

std::vector<AtomSite> CrystalStructure::getImageAtoms() {
    if (!expanded_) expandAsymmetricUnit();
    return imageAtoms_;
}

std::vector<AtomSite> CrystalStructure::getAsymmetricAtoms() {
    if (asymmetricAtoms_.empty()) expandAsymmetricUnit();
    return asymmetricAtoms_;
}

std::vector<AtomSite> CrystalStructure::getCellAtomsCartesian() {
    if (cellAtomsCartesian_.empty()) cellAtomsCartesian_ = toCartesianAtoms(getCellAtoms());
    return cellAtomsCartesian_;
}

std::vector<AtomSite> CrystalStructure::getImageAtomsCartesian() {
    if (imageAtomsCartesian_.empty()) imageAtomsCartesian_ = toCartesianAtoms(getImageAtoms());
    return imageAtomsCartesian_;
}

std::vector<AtomSite> CrystalStructure::getAsymmetricAtomsCartesian() {
    if (asymmetricAtomsCartesian_.empty()) asymmetricAtomsCartesian_ = toCartesianAtoms(getAsymmetricAtoms());
    return asymmetricAtomsCartesian_;
}

std::vector<AtomSite> CrystalStructure::toCartesianAtoms(const std::vector<AtomSite>& atoms) const {
    std::vector<AtomSite> cartesian;
    cartesian.reserve(atoms.size());
    for (const AtomSite& atom : atoms) {
        float p[3];
        fracToCartesian(atom.x(), atom.y(), atom.z(), p);
        cartesian.push_back(atom);
        cartesian.back().setXYZ(p[0], p[1], p[2]);
    }
    return cartesian;
}

void CrystalStructure::moveAsymmetricUnit(float dx, float dy, float dz) {
    if (dx == 0 && dy == 0 && dz == 0) return;
    resetDerivedAtoms();
    for (AtomSite& atom : originalAtoms_) atom.setXYZ(atom.x() + dx, atom.y() + dy, atom.z() + dz);
    asymmetricAtoms_ = originalAtoms_;
}

void CrystalStructure::mirrorAsymmetricUnitX() {
    resetDerivedAtoms();
    for (AtomSite& atom : originalAtoms_) atom.setXYZ(-atom.x(), atom.y(), atom.z());
    asymmetricAtoms_ = originalAtoms_;
}

float CrystalStructure::cellVolume() {
    if (volume_ == 0) {
        float a[3], b[3], c[3];
        fracToCartesian(1, 0, 0, a);
        fracToCartesian(0, 1, 0, b);
        fracToCartesian(0, 0, 1, c);
        const float cross[3] = {b[1] * c[2] - b[2] * c[1], b[2] * c[0] - b[0] * c[2], b[0] * c[1] - b[1] * c[0]};
        volume_ = a[0] * cross[0] + a[1] * cross[1] + a[2] * cross[2];
    }
    return volume_;
}
