#pragma once

#include <string>
#include <vector>

// Fingerprints as text files for plotting outside the program. A file that
// cannot be written is skipped silently. r = sample index × step.

// "%0.4f %0.3f" per sample: r and the profile value.
void writeProfileFile(const std::string& name, const std::vector<float>& profile, float step);
// "%0.4f" slope, then "%0.4f %0.3f %0.3f" per sample: r, corrected curve, G(r).
void writePdfFile(const std::string& name, float slope, const std::vector<float>& corrected,
                  const std::vector<float>& g, float step);
// One line per perimeter row: every value "%0.3f " (with its space).
void writeAngleFieldFile(const std::string& name, const std::vector<std::vector<float>>& field);
// "%5.3f - %5.3f  %15.2f" per bin: its edges and value.
void writeHistogramFile(const std::string& name, const std::vector<float>& bins, float binWidth);
// "0 - %5.3f  %15.2f" per bin: its lower edge and value.
void writeCumulativeHistogramFile(const std::string& name, const std::vector<float>& bins, float binWidth);

// The file name of structure `id` for a name format such as "FP%d.txt".
std::string fingerPrintFileName(const char* format, int id);
