#include "io/structure_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "io/directory_scan.h"

namespace fs = std::filesystem;

namespace {

bool isStructureFile(const std::string& name) {
    if (name.empty() || name[0] == '.') return false;
    std::string extension = fs::path(name).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".cif" || extension == ".xml";
}

}  // namespace

std::vector<std::string> structureFilesIn(const std::vector<std::string>& arguments, std::vector<std::string>& problems) {
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (!fs::is_directory(argument, error)) {
            files.push_back(argument);  // the loader reports a file it cannot read
            continue;
        }
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(argument, error)) {
            std::error_code typeError;
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file(typeError) && isStructureFile(name)) names.push_back(name);
        }
        if (error) problems.push_back(argument + ": cannot be listed");
        else if (names.empty()) problems.push_back(argument + ": no .cif or .xml files");
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) files.push_back(joinPath(argument, name));
    }
    return files;
}
