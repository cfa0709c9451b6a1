#include "io/directory_scan.h"

#include <cctype>
#include <filesystem>

#include <fnmatch.h>

namespace fs = std::filesystem;

std::string joinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    if (directory.back() == fs::path::preferred_separator) return directory + name;
    return directory + static_cast<char>(fs::path::preferred_separator) + name;
}

std::vector<std::string> listMatchingFiles(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    if (error) return names;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) continue;
        if (fnmatch(pattern.c_str(), name.c_str(), 0) == 0) names.push_back(name);
    }
    return names;
}

LoadedFile readStructureFile(StructureFormat format, const std::string& name, const std::string& path) {
    LoadedFile file;
    file.structure.fileName = name;
    file.structure.filePath = path;
    ReadNotes notes;
    const StructureReader reader;
    if (format == StructureFormat::FoxXml) file.structure = reader.readFoxXMLFile(path, &notes);
    else file.structure = reader.readCifFile(path, &notes);
    file.report = makeLoadReport(name, path, file.structure, notes);
    return file;
}

std::vector<LoadedFile> scanDirectory(const std::string& directory, const std::string& pattern) {
    std::vector<LoadedFile> files;
    if (pattern != "*.xml" && pattern != "*.cif") return files;  // listed, but no reader for them
    const StructureFormat format = pattern == "*.xml" ? StructureFormat::FoxXml : StructureFormat::Cif;
    for (const std::string& name : listMatchingFiles(directory, pattern))
        files.push_back(readStructureFile(format, name, joinPath(directory, name)));
    return files;
}

LoadedFile loadStructureFile(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    std::string extension = fs::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".cif") return readStructureFile(StructureFormat::Cif, name, path);
    if (extension == ".xml") return readStructureFile(StructureFormat::FoxXml, name, path);
    LoadedFile file;
    file.structure.fileName = name;
    file.structure.filePath = path;
    file.report.fileName = name;
    file.report.path = path;
    file.report.problems.push_back("not a .cif or .xml file");
    return file;
}
