#include "similarity/similarity_settings.h"

#include <array>
#include <cmath>

namespace {

SimilaritySettings defaults(double step, double peakWidth, bool methodOption) {
    SimilaritySettings s;
    s.step = step;
    s.peakWidth = peakWidth;
    s.methodOption = methodOption;
    return s;
}

const std::array<SimilarityMethodInfo, 5> methods = {{
    {SimilarityMethod::PdfModified, "pdf-modified", "&Compute PDF-modified similarity", 104, "FingerPrint similarity",
     "FP%d.txt", SettingsKind::Profile, defaults(0.01, 0.1, true)},
    {SimilarityMethod::Pdf, "pdf", "&Compute PDF similarity", 105, "PDF similarity", "PDF%d.txt", SettingsKind::Pdf,
     defaults(0.01, 0.1, false)},
    {SimilarityMethod::DistanceAngle, "distance-angle", "&Compute Distance-Angle similarity", 106,
     "FingerPrintAngle similarity", "FPa%d.txt", SettingsKind::Profile, defaults(0.1, 1.0, true)},
    {SimilarityMethod::Histogram, "histogram", "&Compute distance-histogram similarity", 108, "Histogram similarity",
     "FP%d.txt", SettingsKind::Histogram, defaults(0.2, -1.0, true)},
    {SimilarityMethod::Cumulative, "cumulative", "&Compute cumulative distance-histogram similarity", 109,
     "Cumulative histogram similarity", "FP%d.txt", SettingsKind::Histogram, defaults(0.2, -1.0, true)},
}};

}  // namespace

const SimilarityMethodInfo& methodInfo(SimilarityMethod method) {
    for (const SimilarityMethodInfo& info : methods)
        if (info.method == method) return info;
    return methods[0];
}

bool methodFromName(const std::string& name, SimilarityMethod& method) {
    for (const SimilarityMethodInfo& info : methods)
        if (name == info.name) {
            method = info.method;
            return true;
        }
    return false;
}

bool usesGaussian(SimilarityMethod method) {
    return method == SimilarityMethod::PdfModified || method == SimilarityMethod::Pdf ||
           method == SimilarityMethod::DistanceAngle;
}

std::string validateSettings(SimilarityMethod method, const SimilaritySettings& s) {
    if (!std::isfinite(s.from) || !std::isfinite(s.to)) return "the range must be given by two numbers";
    if (!(s.step > 0) || !std::isfinite(s.step)) return "the step must be a positive number";
    if (usesGaussian(method) && (!(s.peakWidth > 0) || !std::isfinite(s.peakWidth)))
        return "the peak width must be a positive number";
    if (s.to < s.from) return "the upper end of the range ('to') must not be below its lower end ('from')";
    // The cut-off radius is an int and every cell range grows with it.
    if (s.to > 1000) return "the upper end of the range ('to') must not exceed 1000 \xc3\x85";
    return std::string();
}
