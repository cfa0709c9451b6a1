// The five similarity commands on N candidate solutions of a structure-solution
// run (cimetidine, one molecule per asymmetric unit, random orientation and
// position): every fingerprint plus the full n × n matrix, as the command
// line runs them. Beside them, the distance-angle triangle enumeration, plain
// and fast, and an export of the candidates as P 1 CIF files for a peer
// program to read.
//
//   TESSARA_BENCH_CANDIDATE_DIR   when set, also registers writeCandidateFiles,
//                                 which writes candidate_NNN.cif there
//   TESSARA_BENCH_CANDIDATE_COUNT how many it writes (default 200)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/candidate_structures.h"
#include "similarity/distance_angle_field.h"
#include "similarity/field_measure.h"
#include "similarity/parallel_for.h"
#include "similarity/similarity_run.h"
#include "similarity/similarity_settings.h"
#include "similarity/triangle_environment.h"

namespace {

constexpr SimilarityMethod allMethods[] = {SimilarityMethod::PdfModified, SimilarityMethod::Pdf,
                                           SimilarityMethod::DistanceAngle, SimilarityMethod::Histogram,
                                           SimilarityMethod::Cumulative};
constexpr int candidateCounts[] = {50, 100, 200, 400};

// The candidates, or none after reporting why on `state`.
std::vector<LoadedStructure> candidatesFor(benchmark::State& state, int count) {
    try {
        return candidates::make(count);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return {};
    }
}

bool runOne(benchmark::State& state, const std::vector<LoadedStructure>& structures, SimilarityMethod method,
            unsigned threads) {
    SimilarityOptions options;
    options.threads = threads;
    const SimilarityResult result = runSimilarity(structures, method, methodInfo(method).defaults, options);
    if (!result.error.empty() || !result.problems.empty()) {
        state.SkipWithError((std::string(methodInfo(method).name) + ": " +
                             (result.error.empty() ? result.problems.front() : result.error))
                                .c_str());
        return false;
    }
    benchmark::DoNotOptimize(result.matrix);
    return true;
}

// One command: args N, threads.
void similarityCommand(benchmark::State& state, SimilarityMethod method) {
    const int count = static_cast<int>(state.range(0));
    const unsigned threads = static_cast<unsigned>(state.range(1));
    const std::vector<LoadedStructure> structures = candidatesFor(state, count);
    if (structures.empty()) return;
    for (auto _ : state)
        if (!runOne(state, structures, method, threads)) return;
    state.counters["pairs"] = static_cast<double>(count) * (count - 1) / 2;
}

// The five commands one after the other on the same candidates: args N, threads.
void allFiveCommands(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const unsigned threads = static_cast<unsigned>(state.range(1));
    const std::vector<LoadedStructure> structures = candidatesFor(state, count);
    if (structures.empty()) return;
    for (auto _ : state)
        for (SimilarityMethod method : allMethods)
            if (!runOne(state, structures, method, threads)) return;
}

// The distance-angle environments of the first `count` candidates, atoms collected.
std::vector<std::unique_ptr<TriangleEnvironment>> triangleEnvironments(benchmark::State& state, int count) {
    const std::vector<LoadedStructure> structures = candidatesFor(state, count);
    std::vector<std::unique_ptr<TriangleEnvironment>> environments;
    DistanceAngleSettings settings;
    settings.sharpness = 1.0;
    constexpr int cutoffRadius = 10;
    for (const LoadedStructure& structure : structures) {
        auto env = std::make_unique<TriangleEnvironment>(structure, cutoffRadius, false,
                                                         distanceAngleReach(cutoffRadius, settings));
        env->computeCellRange();
        env->collectEnvironmentAtoms();
        environments.push_back(std::move(env));
    }
    return environments;
}

template <typename Collect>
void triangleEnumeration(benchmark::State& state, Collect collect) {
    const auto environments = triangleEnvironments(state, static_cast<int>(state.range(0)));
    if (environments.empty()) return;
    std::size_t records = 0;
    for (auto _ : state) {
        records = 0;
        for (const auto& env : environments)
            records += collect(env->centreAtoms(), env->environmentAtoms(), env->perimeterLimit()).size();
        benchmark::DoNotOptimize(records);
    }
    // The same count from both enumerations shows they did the same work.
    state.counters["records"] = static_cast<double>(records);
}

void trianglesPlain(benchmark::State& state) { triangleEnumeration(state, collectTrianglesPlain); }
void trianglesFast(benchmark::State& state) { triangleEnumeration(state, collectTriangles); }

// Where a distance-angle command spends its time, one thread: per structure
// the triangles (atoms collected, then enumerated) and the field, per pair
// the measure. The settings are the command's defaults: steps 0.1, sharpness
// 1 / peak width.
DistanceAngleSettings commandFieldSettings() {
    const SimilaritySettings& defaults = methodInfo(SimilarityMethod::DistanceAngle).defaults;
    DistanceAngleSettings settings;
    settings.step = settings.angleStep = static_cast<float>(defaults.step);
    settings.amplitude = 1.0;
    settings.sharpness = static_cast<float>(1.0 / defaults.peakWidth);
    return settings;
}

constexpr int breakdownStructures = 8;
constexpr int commandCutoff = 10;

std::vector<TriangleRecord> commandTriangles(const LoadedStructure& structure) {
    TriangleEnvironment env(structure, commandCutoff, false, distanceAngleReach(commandCutoff, commandFieldSettings()));
    env.computeCellRange();
    env.collectEnvironmentAtoms();
    return collectTriangles(env.centreAtoms(), env.environmentAtoms(), env.perimeterLimit());
}

// One structure per iteration, taken in turn from the first few candidates.
void breakdownTriangles(benchmark::State& state) {
    const std::vector<LoadedStructure> structures = candidatesFor(state, breakdownStructures);
    if (structures.empty()) return;
    std::size_t next = 0, records = 0;
    for (auto _ : state) {
        records = commandTriangles(structures[next++ % structures.size()]).size();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
}

void breakdownField(benchmark::State& state) {
    const std::vector<LoadedStructure> structures = candidatesFor(state, breakdownStructures);
    if (structures.empty()) return;
    std::vector<std::vector<TriangleRecord>> records;
    for (const LoadedStructure& structure : structures) records.push_back(commandTriangles(structure));
    const DistanceAngleSettings settings = commandFieldSettings();
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(distanceAngleField(records[next++ % records.size()], commandCutoff, settings));
}

// The first row of the N = 200 matrix: one field against the 199 others.
void breakdownMeasureRow(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::vector<LoadedStructure> structures = candidatesFor(state, count);
    if (structures.empty()) return;
    std::vector<DistanceAngleField> fields(structures.size());
    const DistanceAngleSettings settings = commandFieldSettings();
    parallelFor(count, 0, [&](int i) {
        fields[static_cast<std::size_t>(i)] =
            distanceAngleField(commandTriangles(structures[static_cast<std::size_t>(i)]), commandCutoff, settings);
    });
    std::vector<const DistanceAngleField*> others;
    for (std::size_t i = 1; i < fields.size(); ++i) others.push_back(&fields[i]);
    const SimilaritySettings& defaults = methodInfo(SimilarityMethod::DistanceAngle).defaults;
    for (auto _ : state)
        benchmark::DoNotOptimize(fieldMeasures(fields[0], others, defaults.from, defaults.to, defaults.step));
    state.counters["pairs"] = static_cast<double>(others.size());
    state.counters["cells"] = static_cast<double>(fields[0].size() * fields[0][0].size());
}

// Not a timing of interest: the export runs once, inside the harness only
// because the harness owns main().
void writeCandidateFiles(benchmark::State& state) {
    const char* directory = std::getenv("TESSARA_BENCH_CANDIDATE_DIR");
    const char* countText = std::getenv("TESSARA_BENCH_CANDIDATE_COUNT");
    const int count = countText ? std::atoi(countText) : 200;
    const std::vector<LoadedStructure> structures = candidatesFor(state, count);
    if (structures.empty()) return;
    for (auto _ : state) {
        try {
            std::filesystem::create_directories(directory);
            for (const LoadedStructure& structure : structures) {
                char name[32];
                std::snprintf(name, sizeof name, "candidate_%03d.cif", structure.id());
                candidates::writeP1Cif(structure, std::filesystem::path(directory) / name);
            }
        } catch (const std::exception& error) {
            state.SkipWithError(error.what());
            return;
        }
    }
    state.counters["files"] = static_cast<double>(structures.size());
}

std::vector<int> threadCounts() {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return cores > 1 ? std::vector<int>{1, cores} : std::vector<int>{1};
}

const bool registered = [] {
    for (SimilarityMethod method : allMethods) {
        auto* b = benchmark::RegisterBenchmark((std::string("similarity/") + methodInfo(method).name).c_str(),
                                               similarityCommand, method);
        b->ArgNames({"N", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
        for (int count : candidateCounts)
            for (int threads : threadCounts()) b->Args({count, threads});
    }
    auto* five = benchmark::RegisterBenchmark("allFive", allFiveCommands);
    five->ArgNames({"N", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
    for (int threads : threadCounts()) five->Args({200, threads});

    benchmark::RegisterBenchmark("trianglesPlain", trianglesPlain)
        ->ArgName("candidates")
        ->Arg(3)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    benchmark::RegisterBenchmark("trianglesFast", trianglesFast)
        ->ArgName("candidates")
        ->Arg(3)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::RegisterBenchmark("breakdown/distance-angle/triangles", breakdownTriangles)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("breakdown/distance-angle/field", breakdownField)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("breakdown/distance-angle/measureRow", breakdownMeasureRow)
        ->ArgName("N")
        ->Arg(200)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    if (std::getenv("TESSARA_BENCH_CANDIDATE_DIR"))
        benchmark::RegisterBenchmark("writeCandidateFiles", writeCandidateFiles)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    return true;
}();

}  // namespace
