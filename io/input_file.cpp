#include "io/input_file.h"

#include <filesystem>

#include "io/run_log.h"

bool openForReading(const std::string& path, std::ifstream& in) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    in.open(path, std::ios::in | std::ios::binary);
    return in.is_open();
}

CrystalStructure readLogged(std::istream* in, const std::string& startLine, ReadNotes* notes,
                            const std::function<CrystalStructure(std::istream&, ReadNotes&)>& parse) {
    ReadNotes local;
    ReadNotes& n = notes ? *notes : local;
    n = ReadNotes{};
    appendToLog(startLine);
    if (!in) {
        appendToLog("fail()");
        return CrystalStructure();
    }
    n.opened = true;
    return parse(*in, n);
}
