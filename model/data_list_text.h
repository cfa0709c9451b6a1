#pragma once

#include <string>
#include <vector>

#include "model/loaded_structure.h"

// The data list printed after every load: a header, one "id: file name" line
// per loaded structure, framed by two lines of 38 hyphens.
std::string dataListText(const std::vector<LoadedStructure>& structures);
