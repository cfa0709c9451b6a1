#include "similarity/fingerprint_files.h"

#include <cstdio>

namespace {

// Formats into a growing buffer, then writes it in one piece.
class TextBuffer {
public:
    template <typename... Args>
    void add(const char* format, Args... args) {
        char line[128];
        const int n = std::snprintf(line, sizeof line, format, args...);
        if (n < 0) return;
        if (static_cast<std::size_t>(n) < sizeof line) {
            text_.append(line, static_cast<std::size_t>(n));
        } else {
            std::string longer(static_cast<std::size_t>(n) + 1, '\0');
            std::snprintf(longer.data(), longer.size(), format, args...);
            text_.append(longer.data(), static_cast<std::size_t>(n));
        }
    }
    void add(char c) { text_.push_back(c); }
    void writeTo(const std::string& name) const {
        std::FILE* file = std::fopen(name.c_str(), "w");
        if (!file) return;
        std::fwrite(text_.data(), 1, text_.size(), file);
        std::fclose(file);
    }

private:
    std::string text_;
};

double sampleDistance(std::size_t index, float step) { return double(index) * double(step); }

}  // namespace

void writeProfileFile(const std::string& name, const std::vector<float>& profile, float step) {
    TextBuffer text;
    for (std::size_t j = 0; j < profile.size(); ++j)
        text.add("%0.4f %0.3f\n", sampleDistance(j, step), double(profile[j]));
    text.writeTo(name);
}

void writePdfFile(const std::string& name, float slope, const std::vector<float>& corrected,
                  const std::vector<float>& g, float step) {
    TextBuffer text;
    text.add("%0.4f\n", double(slope));
    for (std::size_t j = 0; j < corrected.size(); ++j)
        text.add("%0.4f %0.3f %0.3f\n", sampleDistance(j, step), double(corrected[j]),
                 j < g.size() ? double(g[j]) : 0.0);
    text.writeTo(name);
}

void writeAngleFieldFile(const std::string& name, const std::vector<std::vector<float>>& field) {
    TextBuffer text;
    for (const std::vector<float>& row : field) {
        for (float value : row) text.add("%0.3f ", double(value));
        text.add('\n');
    }
    text.writeTo(name);
}

void writeHistogramFile(const std::string& name, const std::vector<float>& bins, float binWidth) {
    TextBuffer text;
    for (std::size_t i = 0; i < bins.size(); ++i)
        text.add("%5.3f - %5.3f  %15.2f\n", double(i) * double(binWidth), double(i + 1) * double(binWidth),
                 double(bins[i]));
    text.writeTo(name);
}

void writeCumulativeHistogramFile(const std::string& name, const std::vector<float>& bins, float binWidth) {
    TextBuffer text;
    for (std::size_t i = 0; i < bins.size(); ++i)
        text.add("0 - %5.3f  %15.2f\n", double(i) * double(binWidth), double(bins[i]));
    text.writeTo(name);
}

std::string fingerPrintFileName(const char* format, int id) {
    char name[256];
    std::snprintf(name, sizeof name, format, id);
    return name;
}
