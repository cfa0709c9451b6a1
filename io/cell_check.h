#pragma once

#include <string>

#include "model/crystal_structure.h"

// Empty when the cell parameters describe a real cell; otherwise a sentence
// for the user naming them (zero, negative or non-finite lengths, angles
// outside (0, 180) or angles that close no cell).
std::string describeInvalidCell(const CrystalStructure& structure);
