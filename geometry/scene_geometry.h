#pragma once

#include <array>
#include <vector>

#include "model/crystal_structure.h"

// Geometry of the 3D view that needs no drawing context, so tests can check it.

struct ColouredSegment {
    float from[3], to[3];  // Cartesian, Å
    float colour[3];       // 0..1
};

// The twelve edges of the unit cell: a red, b green, c blue from the origin,
// the other nine grey.
std::vector<ColouredSegment> cellBoxEdges(const CrystalStructure& structure);

// ½ (cart(0,0,0) + cart(1,1,1)): the point the view turns about.
std::array<float, 3> cellCentre(const CrystalStructure& structure);

// How a unit cylinder along +z is placed on a bond from `second` to `first`:
// translate to `second`, turn by `angle` degrees about `axis`, scale z by `length`.
struct CylinderPlacement {
    float angle;
    std::array<float, 3> axis;
    float length;
};
// A bond along −z turns half-way about x (the usual half-way axis vanishes there).
CylinderPlacement bondCylinder(const float first[3], const float second[3]);

// The keyboard's effect on the active structure: arrows, I and O shift it by
// 0.01 of its cell, or with Shift turn it by 0.5°; R puts it back. False for
// keys that do nothing.
struct ViewOffsets {
    std::array<float, 3> shift{};           // fractional
    std::array<float, 3> rotationAngles{};  // degrees about x, y, z
};
enum class ViewKey { Left, Right, Up, Down, In, Out, Reset, Other };
bool applyViewKey(ViewKey key, bool shiftHeld, ViewOffsets& offsets);

// The perspective aspect ratio of a canvas; a canvas of height 0 counts as square.
double aspectRatio(int width, int height);
