#include "io/input_file.h"

#include <filesystem>

bool openForReading(const std::string& path, std::ifstream& in) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    in.open(path, std::ios::in | std::ios::binary);
    return in.is_open();
}
