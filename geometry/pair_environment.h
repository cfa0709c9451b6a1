#pragma once

#include <vector>

#include "geometry/atom_environment.h"

// One interatomic distance seen from a centre atom, weighted by the product
// of the two atomic masses.
struct AtomPair {
    float distance;  // Å
    float weight;
};

// The pair distances around a structure's asymmetric unit. Every centre atom
// sees every other atom within reach exactly once: the other centre atoms (in
// list order), then the environment atoms (in list order). Pairs at or beyond
// the reach are not kept: no fingerprint can use them.
class PairEnvironment : public AtomEnvironment {
public:
    PairEnvironment(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens, double reach);

    // Cell range, atoms and pairs, unless pairs exist already.
    void buildEnvironment();
    const std::vector<AtomPair>& pairs() const { return pairs_; }

private:
    void computePairs();
    std::vector<AtomPair> pairs_;
};
