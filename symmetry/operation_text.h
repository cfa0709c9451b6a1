#pragma once

#include <string>

#include "symmetry/symmetry_operation.h"

// The operation in the usual coordinate-triplet notation, e.g. "-x,y+1/2,-z+1/2"
// or "x-y,x,z+1/6". Translations are written as fractions of twelfths.
std::string formatOperation(const SymmetryOperation& op);
