// The distance-angle fingerprint of a real molecular crystal (cimetidine,
// 68 non-hydrogen atoms per cell): triangles, field and the measure between
// two fields, each fast path beside the reference it replaces.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "io/run_log.h"
#include "io/structure_reader.h"
#include "similarity/distance_angle_field.h"
#include "similarity/field_measure.h"
#include "similarity/fingerprint_angle.h"
#include "similarity/triangle_environment.h"

namespace {

constexpr int cutoffRadius = 10;

std::string sharedFoxFile(const char* name) {
    std::vector<std::filesystem::path> roots;
    if (const char* shared = std::getenv("TESSARA_SHARED_DATA")) roots.emplace_back(shared);
    roots.push_back(std::filesystem::path(__FILE__).parent_path().parent_path() / ".." / "shared" / "data");
    roots.emplace_back("/work/shared/data");
    for (const auto& root : roots) {
        const std::filesystem::path file = root / "fox" / name;
        if (std::filesystem::exists(file)) return file.string();
    }
    return {};
}

DistanceAngleSettings runSettings() {
    DistanceAngleSettings settings;
    settings.sharpness = 1.0;
    return settings;
}

// The structure's environment, atoms collected, no triangles yet; null when the file is absent.
std::unique_ptr<TriangleEnvironment> cimetidineEnvironment(benchmark::State& state, float shift = 0) {
    setRunLogEnabled(false);
    const std::string path = sharedFoxFile("Cimetidine.xml");
    if (path.empty()) {
        state.SkipWithError("Cimetidine.xml not found (set TESSARA_SHARED_DATA)");
        return nullptr;
    }
    CrystalStructure structure = StructureReader().readFoxXMLFile(path);
    structure.moveAsymmetricUnit(shift, 0, 0);
    auto env = std::make_unique<TriangleEnvironment>(structure, cutoffRadius, false,
                                                     distanceAngleReach(cutoffRadius, runSettings()));
    env->computeCellRange();
    env->collectEnvironmentAtoms();
    state.counters["centre"] = static_cast<double>(env->centreAtoms().size());
    state.counters["environment"] = static_cast<double>(env->environmentAtoms().size());
    return env;
}

void trianglesFast(benchmark::State& state) {
    const auto env = cimetidineEnvironment(state);
    if (!env) return;
    std::size_t records = 0;
    for (auto _ : state) {
        records = collectTriangles(env->centreAtoms(), env->environmentAtoms(), env->perimeterLimit()).size();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(trianglesFast)->Unit(benchmark::kMillisecond);

void trianglesPlain(benchmark::State& state) {
    const auto env = cimetidineEnvironment(state);
    if (!env) return;
    std::size_t records = 0;
    for (auto _ : state) {
        records = collectTrianglesPlain(env->centreAtoms(), env->environmentAtoms(), env->perimeterLimit()).size();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(trianglesPlain)->Unit(benchmark::kMillisecond)->Iterations(1);

void fieldFactorised(benchmark::State& state) {
    const auto env = cimetidineEnvironment(state);
    if (!env) return;
    env->computeDistAngleField();
    for (auto _ : state) benchmark::DoNotOptimize(distanceAngleField(env->triangles(), cutoffRadius, runSettings()));
}
BENCHMARK(fieldFactorised)->Unit(benchmark::kMillisecond);

void fieldDirect(benchmark::State& state) {
    const auto env = cimetidineEnvironment(state);
    if (!env) return;
    env->computeDistAngleField();
    for (auto _ : state)
        benchmark::DoNotOptimize(distanceAngleFieldDirect(env->triangles(), cutoffRadius, runSettings()));
}
BENCHMARK(fieldDirect)->Unit(benchmark::kMillisecond)->Iterations(2);

// What one structure costs: triangles and field, from collected atoms.
void fingerprintFast(benchmark::State& state) {
    const auto env = cimetidineEnvironment(state);
    if (!env) return;
    for (auto _ : state) {
        const std::vector<TriangleRecord> records =
            collectTriangles(env->centreAtoms(), env->environmentAtoms(), env->perimeterLimit());
        benchmark::DoNotOptimize(distanceAngleField(records, cutoffRadius, runSettings()));
    }
}
BENCHMARK(fingerprintFast)->Unit(benchmark::kMillisecond);

// Fields of the structure and of copies moved off the inversion centres.
std::vector<DistanceAngleField> cimetidineFields(benchmark::State& state, int count) {
    std::vector<DistanceAngleField> fields;
    for (int i = 0; i < count; ++i) {
        const auto env = cimetidineEnvironment(state, 0.01f * static_cast<float>(i));
        if (!env) return {};
        env->computeDistAngleField();
        fields.push_back(distanceAngleField(env->triangles(), cutoffRadius, runSettings()));
    }
    return fields;
}

void measureOnePair(benchmark::State& state) {
    const std::vector<DistanceAngleField> fields = cimetidineFields(state, 2);
    if (fields.empty()) return;
    for (auto _ : state) benchmark::DoNotOptimize(fieldMeasure(fields[0], fields[1], 0, cutoffRadius, 0.1));
    state.counters["pairs/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(measureOnePair)->Unit(benchmark::kMicrosecond);

// One field against 16 others, as a row of the matrix is filled.
void measureOneAgainstMany(benchmark::State& state) {
    const std::vector<DistanceAngleField> fields = cimetidineFields(state, 17);
    if (fields.empty()) return;
    std::vector<const DistanceAngleField*> others;
    for (std::size_t i = 1; i < fields.size(); ++i) others.push_back(&fields[i]);
    for (auto _ : state) benchmark::DoNotOptimize(fieldMeasures(fields[0], others, 0, cutoffRadius, 0.1));
    state.counters["pairs/s"] =
        benchmark::Counter(static_cast<double>(others.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(measureOneAgainstMany)->Unit(benchmark::kMicrosecond);

}  // namespace
