#pragma once

#include <string>

// Which controls the settings dialog shows for a method.
enum class SettingsKind { Profile = 0, Histogram = 1, Pdf = 2 };

// The parameters of one similarity command; every command starts from its own defaults.
struct SimilaritySettings {
    double from = 0.0;       // Å, lower end of the compared range
    double to = 10.0;        // Å, upper end; its integer part is the cut-off radius
    double step = 0.01;      // Å, sampling step or histogram bin width
    double peakWidth = 0.1;  // Å², w in exp(−x²/w)
    bool writeFingerPrints = false;
    bool includeHydrogens = false;
    bool methodOption = true;  // "use weights" (histograms) or "optimize" (PDF)
};

enum class SimilarityMethod { PdfModified, Pdf, DistanceAngle, Histogram, Cumulative };

// What distinguishes one command from another.
struct SimilarityMethodInfo {
    SimilarityMethod method;
    const char* name;          // command-line name
    const char* menuText;
    int menuId;
    const char* title;         // heading of the matrix and of the diagram
    const char* fileFormat;    // fingerprint file name, "%d" the structure id
    SettingsKind kind;
    SimilaritySettings defaults;
};

const SimilarityMethodInfo& methodInfo(SimilarityMethod method);
// The method of a command-line name, or false.
bool methodFromName(const std::string& name, SimilarityMethod& method);
// Whether the method smears distances with a Gaussian (and so reads peakWidth).
bool usesGaussian(SimilarityMethod method);

// Empty when a command can run with these settings; otherwise what is wrong,
// in a sentence for the user.
std::string validateSettings(SimilarityMethod method, const SimilaritySettings& settings);
