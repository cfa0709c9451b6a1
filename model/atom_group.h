#pragma once

#include <vector>

#include "model/atom_site.h"

// A group of atoms drawn together by the 3D view, with a lazily filled centroid.
struct AtomGroup {
    std::vector<AtomSite> atoms;
    std::vector<float> centroid;  // empty until computed, then (x, y, z)
};
