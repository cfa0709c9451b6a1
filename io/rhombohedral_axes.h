#pragma once

#include <string>

// A rhombohedral symbol that leaves the axes open ("R -3 m") names hexagonal
// axes; on a cell with a = b = c and alpha = beta = gamma != 90 that would
// put the atoms in the wrong places. For such a cell this returns the text
// with ":R" appended, otherwise the text unchanged.
std::string onRhombohedralAxesIfCellIs(const std::string& spaceGroupText, const float cell[6]);
