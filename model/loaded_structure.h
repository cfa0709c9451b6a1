#pragma once

#include <string>

#include "model/crystal_structure.h"

// A structure together with the file it came from.
class LoadedStructure : public CrystalStructure {
public:
    LoadedStructure() = default;

    // Replaces the structure part only; the loaders set the file fields first.
    LoadedStructure& operator=(const CrystalStructure& structure) {
        CrystalStructure::operator=(structure);
        return *this;
    }

    std::string fileName;  // as listed or typed, without directory
    std::string filePath;  // as used to open the file; empty for "-dir" loads
};
