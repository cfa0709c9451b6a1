#pragma once

#include <string>
#include <vector>

#include "io/structure_reader.h"

// What the user is told about one loaded file.
struct LoadReport {
    std::string fileName;
    std::string path;
    bool opened = false;
    std::string spaceGroupText;          // as read from the file
    bool spaceGroupRecognised = false;
    std::size_t atomCount = 0;           // atoms of the asymmetric unit read
    std::vector<std::string> problems;   // from the reader
};

LoadReport makeLoadReport(const std::string& fileName, const std::string& path, const CrystalStructure& structure,
                          const ReadNotes& notes);

// Opened, space group recognised and at least one atom read.
bool loadSucceeded(const LoadReport& report);

// One line for the user: "name: reason; reason" for a file that failed or had
// problems, empty for a clean load.
std::string loadProblemLine(const LoadReport& report);
