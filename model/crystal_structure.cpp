#include "model/crystal_structure.h"

#include "symmetry/space_group_operations.h"

void CrystalStructure::setCell(float a, float b, float c, float alpha, float beta, float gamma) {
    cell_.a = a;
    cell_.b = b;
    cell_.c = c;
    cell_.alpha = alpha;
    cell_.beta = beta;
    cell_.gamma = gamma;
}

void CrystalStructure::setSpaceGroup(const std::string& name) {
    spaceGroupName_ = name;
    const ResolvedSpaceGroup resolved = resolveSpaceGroup(name);
    if (resolved.setting) setting_ = resolved.setting;
    else spaceGroupUnrecognised_ = true;
    symmetryOperations_.insert(symmetryOperations_.end(), resolved.operations->begin(), resolved.operations->end());
    computeCellMatrices(cell_);
}

void CrystalStructure::addAtom(const AtomSite& atom) {
    originalAtoms_.push_back(atom);
    asymmetricAtoms_.push_back(atom);
}

void CrystalStructure::fracToCartesian(float x, float y, float z, float out[3]) const {
    for (int i = 0; i < 3; ++i)
        out[i] = cell_.fracToCart[i][0] * x + cell_.fracToCart[i][1] * y + cell_.fracToCart[i][2] * z;
}

void CrystalStructure::cartesianToFrac(float x, float y, float z, float out[3]) const {
    for (int i = 0; i < 3; ++i)
        out[i] = cell_.cartToFrac[i][0] * x + cell_.cartToFrac[i][1] * y + cell_.cartToFrac[i][2] * z;
}
