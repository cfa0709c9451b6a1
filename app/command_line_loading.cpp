#include "app/command_line_loading.h"

#include <cstddef>

#include "app/tessaragui_frame.h"
#include "app/wx_text.h"
#include "io/default_structure_set.h"
#include "io/directory_scan.h"
#include "io/load_report.h"

namespace {

// "-dir" reads every name as FOX XML whatever its extension, and records no path.
LoadedFile readFoxFile(const std::string& name, const std::string& path) {
    LoadedFile file = readStructureFile(StructureFormat::FoxXml, name, path);
    file.structure.filePath.clear();
    return file;
}

void loadDefaultSet(TessaraguiFrame& frame) {
    const std::vector<std::string> paths = defaultStructureSet();
    if (paths.empty())
        frame.appendToCommandWindow(std::string("the built-in structure set is not installed (") +
                                    defaultStructureSetFolder() + ", Debian package libavogadro-data)\n");
    // All CIF files: read with the CIF reader, named by their file names.
    for (const std::string& path : paths) frame.addLoadedFile(loadStructureFile(path));
}

}  // namespace

void loadFromCommandLine(TessaraguiFrame& frame, const std::vector<std::string>& args) {
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
                frame.addLoadedFile(readFoxFile(args[j], joinPath(directory, args[j])));
            frame.refreshDataList();
            if (i >= count) break;
        }
        if (args[i] == "-all") {
            frame.scanDirectory(toWx(argument(i + 1)), toWx(argument(i + 2)));
            frame.refreshDataList();
            i += 2;
        } else if (args[i] == "-default") {
            loadDefaultSet(frame);
            frame.refreshDataList();
        }
        i += 1;
    }
}
