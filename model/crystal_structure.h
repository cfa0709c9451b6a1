#pragma once

#include <string>
#include <vector>

#include "model/atom_group.h"
#include "model/atom_site.h"
#include "model/unit_cell.h"
#include "symmetry/symmetry_operation.h"

struct SpaceGroupSetting;

// One crystal structure: cell, space group and asymmetric unit as read, with
// the unit-cell content derived from them lazily and cached. A plain value:
// copying copies every list.
class CrystalStructure {
public:
    CrystalStructure() = default;

    // --- construction by the readers ---
    void setCell(float a, float b, float c, float alpha, float beta, float gamma);
    // Stores the text, appends the operations of the setting it resolves to and
    // computes the cell matrices from the cell stored now. Text that resolves to
    // no setting adds no operations and marks the space group as not recognised.
    void setSpaceGroup(const std::string& name);
    void addAtom(const AtomSite& atom);

    // --- cell ---
    float a() const { return cell_.a; }
    float b() const { return cell_.b; }
    float c() const { return cell_.c; }
    float alpha() const { return cell_.alpha; }
    float beta() const { return cell_.beta; }
    float gamma() const { return cell_.gamma; }
    const UnitCell& cell() const { return cell_; }
    void fracToCartesian(float x, float y, float z, float out[3]) const;
    void cartesianToFrac(float x, float y, float z, float out[3]) const;
    float cellVolume();

    // --- identity and space group ---
    int id() const { return id_; }
    void setId(int id) { id_ = id; }
    const std::string& spaceGroupName() const { return spaceGroupName_; }
    const std::vector<SymmetryOperation>& symmetryOperations() const { return symmetryOperations_; }
    // The setting of the last text that resolved, or null.
    const SpaceGroupSetting* spaceGroupSetting() const { return setting_; }
    // False once a space-group text failed to resolve.
    bool spaceGroupRecognised() const { return !spaceGroupUnrecognised_; }

    // --- atom lists ---
    const std::vector<AtomSite>& originalAtoms() const { return originalAtoms_; }
    const std::vector<AtomSite>& cellAtoms() const { return cellAtoms_; }
    const std::vector<AtomSite>& imageAtoms() const { return imageAtoms_; }
    const std::vector<AtomSite>& asymmetricAtoms() const { return asymmetricAtoms_; }

    bool wrapAsymmetricAtoms() const { return wrapAsymmetricAtoms_; }
    void setWrapAsymmetricAtoms(bool wrap) { wrapAsymmetricAtoms_ = wrap; }

    // --- symmetry expansion (lazy, cached until an edit) ---
    void expandAsymmetricUnit();
    void resetDerivedAtoms();
    const std::vector<AtomSite>& getCellAtoms();
    std::vector<AtomSite> getImageAtoms();
    std::vector<AtomSite> getAsymmetricAtoms();
    std::vector<AtomSite> getCellAtomsCartesian();
    std::vector<AtomSite> getImageAtomsCartesian();
    std::vector<AtomSite> getAsymmetricAtomsCartesian();
    std::vector<AtomSite> toCartesianAtoms(const std::vector<AtomSite>& atoms) const;
    void moveAsymmetricUnit(float dx, float dy, float dz);
    void mirrorAsymmetricUnitX();

    // --- caches of the pair-distribution methods (0 = not computed) ---
    float density() const { return density_; }
    void setDensity(float value) { density_ = value; }
    float meanMass() const { return meanMass_; }
    void setMeanMass(float value) { meanMass_ = value; }

    // --- groups of the 3D view, emptied with the derived lists ---
    std::vector<AtomGroup>& viewGroups() { return viewGroups_; }
    std::vector<AtomGroup>& viewSymmetryGroups() { return viewSymmetryGroups_; }
    std::vector<AtomGroup>& viewMolecules() { return viewMolecules_; }

private:
    std::vector<AtomSite> originalAtoms_;
    std::vector<AtomSite> asymmetricAtoms_;
    std::vector<AtomSite> asymmetricAtomsCartesian_;
    std::vector<AtomSite> cellAtoms_;
    std::vector<AtomSite> imageAtoms_;
    std::vector<AtomSite> cellAtomsCartesian_;
    std::vector<AtomSite> imageAtomsCartesian_;
    std::vector<AtomGroup> viewGroups_, viewSymmetryGroups_, viewMolecules_;
    std::string spaceGroupName_;
    std::vector<SymmetryOperation> symmetryOperations_;
    UnitCell cell_;
    float volume_ = 0;
    float density_ = 0;
    float meanMass_ = 0;
    bool wrapAsymmetricAtoms_ = true;
    int id_ = -1;
    const SpaceGroupSetting* setting_ = nullptr;
    bool spaceGroupUnrecognised_ = false;
    // Set by the expansion, cleared by a reset: a P1 structure's image list is
    // legitimately empty, so emptiness cannot tell whether the cache is built.
    bool expanded_ = false;
};

// Brings each fractional coordinate into [0, 1) as c - floor(c). A coordinate
// a hair below 0 comes out as exactly 1 in single precision; NaN, infinite and
// huge coordinates (no fractional part left in single precision) stay as they are.
void wrapIntoCell(AtomSite& atom);
