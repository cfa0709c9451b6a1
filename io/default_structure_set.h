#pragma once

#include <string>
#include <vector>

// The built-in example set: polymorph families (SiO2, TiO2, SiC, ZnS, carbon,
// ice) from Debian's libavogadro-data, as full paths. Empty when the package
// is not installed.
std::vector<std::string> defaultStructureSet();

// Where the set is looked for.
const char* defaultStructureSetFolder();
