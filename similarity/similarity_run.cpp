#include "similarity/similarity_run.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

#include "io/run_log.h"
#include "io/run_log_capture.h"
#include "similarity/field_measure.h"
#include "similarity/fingerprint.h"
#include "similarity/fingerprint_angle.h"
#include "similarity/fingerprint_comparison.h"
#include "similarity/fingerprint_files.h"
#include "similarity/gaussian_window.h"
#include "similarity/histogram_fingerprint.h"
#include "similarity/parallel_for.h"
#include "similarity/pdf_fingerprint.h"

namespace {

// The settings as one command uses them: single-precision parameters, the
// cut-off radius, the Gaussian's sharpness.
struct Parameters {
    SimilarityMethod method;
    SimilaritySettings settings;
    int cutoffRadius;
    float step;
    float sharpness;
};

// What a structure contributes to the matrix: a sampled curve or a 2-D field.
struct Described {
    std::vector<float> curve;
    std::vector<std::vector<float>> field;
    std::string problem;
    std::vector<std::string> logLines;
};

// Distances up to here can still reach a compared sample (a little margin on top).
double profileReach(int cutoffRadius, float step, float halfWindow) {
    return (sampleCount(cutoffRadius, step) + double(halfWindow) + 1) * double(step);
}

std::unique_ptr<PairEnvironment> pairEnvironment(const LoadedStructure& s, const Parameters& p, double reach) {
    return std::make_unique<PairEnvironment>(s, p.cutoffRadius, p.settings.includeHydrogens, reach);
}

void describeByTriangles(const LoadedStructure& structure, const Parameters& p, const std::string& file,
                         Described& out) {
    DistanceAngleSettings field;
    field.step = field.angleStep = p.step;
    field.amplitude = 1.0;
    field.sharpness = p.sharpness;
    FingerPrintAngle fp(structure, p.cutoffRadius, p.settings.includeHydrogens,
                        distanceAngleReach(p.cutoffRadius, field));
    fp.setStep(field.step);
    fp.setAngleStep(field.angleStep);
    fp.setAmplitude(field.amplitude);
    fp.setSharpness(field.sharpness);
    fp.compute();
    out.problem = fp.environment().problem();
    if (!file.empty()) writeAngleFieldFile(file, fp.field());
    out.field = fp.field();
}

Described describe(const LoadedStructure& structure, int id, const Parameters& p) {
    Described out;
    RunLogCapture capture;
    const SimilarityMethodInfo& info = methodInfo(p.method);
    const std::string file = fingerPrintFileName(info.fileFormat, id);
    const bool write = p.settings.writeFingerPrints;
    switch (p.method) {
        case SimilarityMethod::PdfModified: {
            const float h = FingerPrint::halfWindow(p.step, 1.0f, p.sharpness);
            FingerPrint fp(pairEnvironment(structure, p, profileReach(p.cutoffRadius, p.step, h)));
            fp.setParameters(p.step, 1.0f, p.sharpness);
            fp.compute();
            out.problem = fp.environment().problem();
            if (write) writeProfileFile(file, fp.profile(), fp.step());
            out.curve = fp.profile();
            break;
        }
        case SimilarityMethod::Pdf: {
            const float h = PdfFingerPrint::halfWindow(p.step, 1.0f, p.sharpness);
            PdfFingerPrint fp(pairEnvironment(structure, p, profileReach(p.cutoffRadius, p.step, h)));
            fp.setParameters(p.step, 1.0f, p.sharpness);
            const bool optimize = p.settings.methodOption;
            fp.compute(optimize);
            out.problem = fp.environment().problem();
            // Without the baseline fit the file still carries G(r): slope 0, nothing subtracted.
            if (write) writePdfFile(file, optimize ? fp.slope() : 0.0f, optimize ? fp.corrected() : fp.g(), fp.g(), fp.step());
            out.curve = optimize ? fp.corrected() : fp.g();
            break;
        }
        case SimilarityMethod::Histogram:
        case SimilarityMethod::Cumulative: {
            HistogramFingerPrint fp(pairEnvironment(structure, p, p.cutoffRadius + 1e-3));
            fp.setBinWidth(p.step);
            const bool weights = p.settings.methodOption;
            if (p.method == SimilarityMethod::Histogram) {
                fp.computeHistograms();
                out.curve = weights ? fp.weighted() : fp.counts();
                if (write) writeHistogramFile(file, out.curve, fp.binWidth());
            } else {
                fp.computeCumulativeHistograms();
                out.curve = weights ? fp.cumulativeWeighted() : fp.cumulativeCounts();
                if (write) writeCumulativeHistogramFile(file, out.curve, fp.binWidth());
            }
            out.problem = fp.environment().problem();
            break;
        }
        case SimilarityMethod::DistanceAngle:
            describeByTriangles(structure, p, write ? file : std::string(), out);
            break;
    }
    out.logLines = capture.takeLines();
    return out;
}

float measure(const Described& a, const Described& b, const Parameters& p) {
    return compareFingerPrints(a.curve, b.curve, float(std::max(0.0, p.settings.from)), float(p.settings.to), p.step);
}

bool cancelled(const SimilarityOptions& options) { return options.progress && options.progress->cancel; }

}  // namespace

SimilarityResult runSimilarity(const std::vector<LoadedStructure>& structures, SimilarityMethod method,
                               const SimilaritySettings& settings, const SimilarityOptions& options) {
    SimilarityResult result;
    result.error = validateSettings(method, settings);
    if (!result.error.empty()) return result;
    const auto started = std::chrono::steady_clock::now();

    Parameters p{method, settings, static_cast<int>(std::trunc(settings.to)), static_cast<float>(settings.step),
                 usesGaussian(method) ? static_cast<float>(1.0 / settings.peakWidth) : 0.0f};
    const int n = static_cast<int>(structures.size());
    std::vector<Described> described(n);
    parallelFor(n, options.threads, [&](int i) {
        if (cancelled(options)) return;
        described[i] = describe(structures[i], i, p);
        if (options.progress) ++options.progress->fingerprintsDone;
    });

    result.matrix.assign(n, std::vector<float>(n, 0.0f));
    // The measure is symmetric to the bit, so each pair is compared once.
    parallelFor(n, options.threads, [&](int i) {
        if (cancelled(options)) return;
        if (method == SimilarityMethod::DistanceAngle) {
            std::vector<const DistanceAngleField*> others;
            for (int j = i; j < n; ++j) others.push_back(&described[j].field);
            const std::vector<float> row =
                fieldMeasures(described[i].field, others, settings.from, settings.to, settings.step);
            for (int j = i; j < n; ++j) result.matrix[i][j] = result.matrix[j][i] = row[j - i];
        } else {
            for (int j = i; j < n; ++j)
                result.matrix[i][j] = result.matrix[j][i] = measure(described[i], described[j], p);
        }
        if (options.progress) ++options.progress->rowsDone;
    });
    if (cancelled(options)) {
        result.cancelled = true;
        result.matrix.clear();
        return result;
    }

    for (int i = 0; i < n; ++i) {
        if (!described[i].problem.empty())
            result.problems.push_back(structures[i].fileName + ": " + described[i].problem);
        for (const std::string& line : described[i].logLines) appendToLog(line);
    }
    if (method == SimilarityMethod::DistanceAngle) {
        const long elapsed = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
        char line[64];
        std::snprintf(line, sizeof line, "OnComputeFingerPrint_a time is: %ldms\n", elapsed);
        appendToLog(line);
    }
    return result;
}
