#pragma once

#include "model/atom_site.h"

// A Cartesian point in ångström.
struct CartesianPoint {
    float x, y, z;
};

inline CartesianPoint pointOf(const AtomSite& atom) { return {atom.x(), atom.y(), atom.z()}; }

// Euclidean distance, computed in double precision.
double distanceBetween(const CartesianPoint& p, const CartesianPoint& q);

// The angle at v between p and q in degrees; 0 when v coincides with either.
float angleAtVertex(const CartesianPoint& p, const CartesianPoint& v, const CartesianPoint& q);
