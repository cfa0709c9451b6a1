#pragma once

#include <string>
#include <vector>

// The structure files that command-line arguments name: a file stands for
// itself; a directory for its .cif and .xml files (extension in any case, no
// hidden files, no recursion), sorted by name. `problems` receives one line
// for each argument that names nothing readable.
std::vector<std::string> structureFilesIn(const std::vector<std::string>& arguments, std::vector<std::string>& problems);
