#pragma once

#include "view/displayed_structure.h"

// The compiled picture of one shown structure, in its own Cartesian frame (Å):
// the cell box as lines, every atom of every symmetry image as a sphere and the
// bonds inside each image as cylinders, all atoms and bonds in its colour.

// Compiles the scene into a new display list and stores its name in
// `displayList`. The view's context must be current; the caller releases the
// list it supersedes.
void buildDisplayList(DisplayedStructure& structure);

// Fills `bonds` from the view's molecules when it is empty.
void computeBonds(DisplayedStructure& structure);
