#include "app/command_line_loading.h"

#include <cstddef>
#include <filesystem>

#include "app/tessaragui_frame.h"
#include "app/wx_text.h"
#include "io/default_structure_set.h"
#include "io/directory_scan.h"
#include "io/load_report.h"
#include "io/structure_reader.h"

namespace {

enum class Reader { Fox, Cif };

LoadedFile readFile(const StructureReader& reader, Reader kind, const std::string& name, const std::string& path,
                    const std::string& recordedPath) {
    LoadedFile file;
    file.structure.fileName = name;
    file.structure.filePath = recordedPath;
    ReadNotes notes;
    file.structure = kind == Reader::Fox ? reader.readFoxXMLFile(path, &notes) : reader.readCifFile(path, &notes);
    file.report = makeLoadReport(name, path, file.structure, notes);
    return file;
}

void loadDefaultSet(TessaraguiFrame& frame, const StructureReader& reader) {
    const std::vector<std::string> paths = defaultStructureSet();
    if (paths.empty())
        frame.appendToCommandWindow(std::string("the built-in structure set is not installed (") +
                                    defaultStructureSetFolder() + ", Debian package libavogadro-data)\n");
    for (const std::string& path : paths) {
        const std::string name = std::filesystem::path(path).filename().string();
        frame.addLoadedFile(readFile(reader, Reader::Cif, name, path, path));
    }
}

}  // namespace

void loadFromCommandLine(TessaraguiFrame& frame, const std::vector<std::string>& args) {
    const StructureReader reader;
    const std::size_t count = args.size();
    // A switch at the end of the line stands with empty texts for its missing
    // arguments: nothing matches them, so it loads nothing.
    const auto argument = [&](std::size_t k) { return k < count ? args[k] : std::string(); };
    std::size_t i = 0;
    while (i < count) {
        if (args[i] == "-dir") {
            const std::string directory = argument(i + 1);
            i += 2;
            // Names follow up to the end of the line; they are still looked at as
            // switches afterwards, starting with "-all" on the first of them.
            for (std::size_t j = i; j < count; ++j)
                frame.addLoadedFile(readFile(reader, Reader::Fox, args[j], joinPath(directory, args[j]), ""));
            frame.refreshDataList();
            if (i >= count) break;
        }
        if (args[i] == "-all") {
            frame.scanDirectory(toWx(argument(i + 1)), toWx(argument(i + 2)));
            frame.refreshDataList();
            i += 2;
        } else if (args[i] == "-default") {
            loadDefaultSet(frame, reader);
            frame.refreshDataList();
        }
        i += 1;
    }
}
