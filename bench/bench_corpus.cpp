// Loading a folder of real CIF files: read each one and expand its unit cell.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "io/run_log.h"
#include "io/structure_reader.h"
#include "model/crystal_structure.h"

namespace {

// The 510 files of Debian's libavogadro-data.
const char* const corpusRoot = "/usr/share/avogadro2/crystals";

std::vector<std::string> corpusFiles() {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(corpusRoot, error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file() && it->path().extension() == ".cif") files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    return files;
}

void loadAndExpandCorpus(benchmark::State& state) {
    setRunLogEnabled(false);
    const std::vector<std::string> files = corpusFiles();
    if (files.empty()) {
        state.SkipWithError("corpus folder absent (Debian package libavogadro-data)");
        return;
    }
    const StructureReader reader;
    std::size_t cellAtoms = 0;
    for (auto _ : state) {
        for (const std::string& path : files) {
            CrystalStructure structure = reader.readCifFile(path);
            cellAtoms += structure.getCellAtoms().size();
        }
        benchmark::DoNotOptimize(cellAtoms);
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["files/s"] =
        benchmark::Counter(static_cast<double>(files.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(loadAndExpandCorpus)->Unit(benchmark::kMillisecond);

}  // namespace
