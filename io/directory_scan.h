#pragma once

#include <string>
#include <vector>

#include "io/load_report.h"
#include "model/loaded_structure.h"

// Directory and name joined with the platform's separator.
std::string joinPath(const std::string& directory, const std::string& name);

// Plain files of `directory` whose names match the wildcard `pattern`
// (case-sensitive, as the platform matches), hidden files excluded, in the
// order the directory listing yields them. Empty when the directory cannot be read.
std::vector<std::string> listMatchingFiles(const std::string& directory, const std::string& pattern);

struct LoadedFile {
    LoadedStructure structure;  // fileName and filePath set, id not yet assigned
    LoadReport report;
};

enum class StructureFormat { Cif, FoxXml };

// One file read with the given reader, named `name`, with its load report.
LoadedFile readStructureFile(StructureFormat format, const std::string& name, const std::string& path);

// Every listed file read with the reader the pattern names: "*.xml" FOX,
// "*.cif" CIF; any other pattern lists the files and reads none.
std::vector<LoadedFile> scanDirectory(const std::string& directory, const std::string& pattern);

// One file, the reader chosen by its extension (".cif" or ".xml", any case).
// A file of another extension is not read and reported as such.
LoadedFile loadStructureFile(const std::string& path);
