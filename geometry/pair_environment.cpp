#include "geometry/pair_environment.h"

#include "geometry/geometry.h"

PairEnvironment::PairEnvironment(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens,
                                 double reach)
    : AtomEnvironment(structure, cutoffRadius, includeHydrogens, reach) {
    buildEnvironment();
}

void PairEnvironment::buildEnvironment() {
    if (!pairs_.empty()) return;
    computeCellRange();
    collectEnvironmentAtoms();
    computePairs();
}

void PairEnvironment::computePairs() {
    auto add = [this](const AtomSite& c, const AtomSite& other) {
        const double d = distanceBetween(pointOf(c), pointOf(other));
        if (d < reach_) pairs_.push_back({static_cast<float>(d), c.mass() * other.mass()});
    };
    for (std::size_t i = 0; i < centreAtoms_.size(); ++i)
        for (std::size_t j = 0; j < centreAtoms_.size(); ++j)
            if (i != j) add(centreAtoms_[i], centreAtoms_[j]);
    for (const AtomSite& c : centreAtoms_)
        for (const AtomSite& e : environmentAtoms_) add(c, e);
}
