// Symmetry generation cost when loading many structures.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/crystal_structure.h"
#include "symmetry/space_group_lookup.h"
#include "symmetry/space_group_operations.h"
#include "symmetry/space_group_setting.h"

namespace {

// What a load of 10,000 candidate solutions of one space group spends in setSpaceGroup.
void loadTenThousandStructures(benchmark::State& state, const char* symbol) {
    for (auto _ : state) {
        std::size_t operations = 0;
        for (int i = 0; i < 10000; ++i) {
            CrystalStructure structure;
            structure.setCell(10.1f, 7.3f, 12.9f, 90, 101.5f, 90);
            structure.setSpaceGroup(symbol);
            operations += structure.symmetryOperations().size();
        }
        benchmark::DoNotOptimize(operations);
    }
}
BENCHMARK_CAPTURE(loadTenThousandStructures, P21c, "P 21/c")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadTenThousandStructures, Fd3m, "F d -3 m")->Unit(benchmark::kMillisecond);

// Uncached generation of every setting of the table, for scale.
void generateAllSettingsUncached(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t operations = 0;
        for (const SpaceGroupSetting& setting : spaceGroupSettingTable)
            operations += operationsFromHallSymbol(setting.hallSymbol).size();
        benchmark::DoNotOptimize(operations);
    }
}
BENCHMARK(generateAllSettingsUncached)->Unit(benchmark::kMillisecond);

// Uncached lookup of texts that need one, two or four table scans.
void lookupUncached(benchmark::State& state, const char* symbol) {
    for (auto _ : state) benchmark::DoNotOptimize(findSpaceGroupSetting(symbol));
}
BENCHMARK_CAPTURE(lookupUncached, P21c, "P21/c")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lookupUncached, P21n, "P21/n")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(lookupUncached, P21c_axis_letter, "P21c")->Unit(benchmark::kMicrosecond);

}  // namespace
