#pragma once

#include <memory>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>

#include "geometry/scene_geometry.h"
#include "model/colour_slots.h"
#include "model/crystal_structure.h"
#include "symmetry/view_groups.h"

struct QuadricDeleter {
    void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
};

// The crystal view's own copy of a shown structure: edits and keyboard offsets
// stay here and never reach the loaded structure. `shift` (fractional, of its
// own cell) and `rotationAngles` (degrees about x, y, z through the pivot) come
// from ViewOffsets, which the keyboard changes.
class DisplayedStructure : public CrystalStructure, public ViewOffsets {
public:
    GLuint displayList = 0;  // the compiled scene; 0 until compiled
    RgbColour colour;
    std::unique_ptr<GLUquadric, QuadricDeleter> quadric;
    std::vector<Bond> bonds;  // empty until computed
    bool active = false;      // the keyboard and the edits act on it
};

// A fresh structure from the loaded one's asymmetric unit as read, cell and
// space-group text, expanded once with its asymmetric unit left where it was
// read. Its caches and display lists are the loaded one's business, not ours.
DisplayedStructure makeDisplayedStructure(const CrystalStructure& loaded, const RgbColour& colour);

// The ten colours, shared by every crystal view of the process.
ColourSlots& colourSlots();
