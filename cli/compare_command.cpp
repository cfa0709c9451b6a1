#include "cli/compare_command.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <thread>

#include "cli/json_text.h"
#include "io/default_structure_set.h"
#include "io/directory_scan.h"
#include "io/structure_paths.h"
#include "model/data_list_text.h"
#include "similarity/clustering.h"
#include "similarity/dendrogram_layout.h"
#include "similarity/dendrogram_svg.h"
#include "similarity/matrix_text.h"
#include "similarity/similarity_run.h"

namespace {

const char* const usage =
    "Usage: tessara-cli compare [--method M] [options] PATH...\n"
    "\n"
    "Describes every structure by a fingerprint of its interatomic geometry and\n"
    "prints the matrix of dissimilarities (0 for identical) after the data list,\n"
    "as the desktop program's command window shows them. Each PATH is a .cif or\n"
    "FOX .xml file, or a directory whose .cif and .xml files are taken in name\n"
    "order; ids follow that order. Without PATH, a built-in set of polymorph\n"
    "families (SiO2, TiO2, SiC, ZnS, carbon, ice) from Debian's libavogadro-data.\n"
    "\n"
    "Methods (--method):\n"
    "  pdf-modified     mass-weighted Gaussian pair profile (default)\n"
    "  pdf              reduced pair distribution function G(r)\n"
    "  distance-angle   perimeter and mean angle of atom triangles\n"
    "  histogram        distance histogram\n"
    "  cumulative       cumulative distance histogram\n"
    "\n"
    "Options (defaults are those of the method):\n"
    "  --from A, --to A        compared distance range in angstrom (to also sets the cut-off)\n"
    "  --step A                sampling step, or histogram bin width\n"
    "  --peak-width W          Gaussian peak width in square angstrom (exp(-x^2/W))\n"
    "  --hydrogens             keep hydrogen atoms (left out by default)\n"
    "  --weights, --no-weights histograms: mass-weighted (default) or counts\n"
    "  --optimize              pdf: remove a fitted baseline from G(r)\n"
    "  --write-fingerprints    write FP<id>.txt, PDF<id>.txt or FPa<id>.txt here\n"
    "  --threads N             worker threads (default: all cores)\n"
    "  --csv FILE              also write the matrix with file names as CSV\n"
    "  --dendrogram FILE.svg   also write the cluster diagram as SVG\n"
    "  --json                  print one JSON object instead of the text\n"
    "\n"
    "Problems with input files go to stderr. Exit status 1 when the settings are\n"
    "refused or no structure could be read, 2 for a usage error.\n";

struct Request {
    SimilarityMethod method = SimilarityMethod::PdfModified;
    SimilaritySettings settings;
    unsigned threads = 0;
    std::string csv, dendrogram;
    bool json = false;
    std::vector<std::string> paths;
};

bool parseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

// Fills `request`; returns an error message, empty when the arguments are fine.
std::string parseArguments(const std::vector<std::string>& args, Request& request) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--method" && i + 1 < args.size() && methodFromName(args[i + 1], request.method)) {
            ++i;
        } else if (args[i] == "--method") {
            return "--method takes one of pdf-modified, pdf, distance-angle, histogram, cumulative";
        }
    }
    request.settings = methodInfo(request.method).defaults;
    SimilaritySettings& s = request.settings;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](double& target) -> std::string {
            if (i + 1 >= args.size() || !parseNumber(args[i + 1], target)) return arg + " takes a number";
            ++i;
            return std::string();
        };
        std::string problem;
        if (arg == "--method") ++i;
        else if (arg == "--from") problem = value(s.from);
        else if (arg == "--to") problem = value(s.to);
        else if (arg == "--step") problem = value(s.step);
        else if (arg == "--peak-width") problem = value(s.peakWidth);
        else if (arg == "--hydrogens") s.includeHydrogens = true;
        else if (arg == "--weights") s.methodOption = true;
        else if (arg == "--no-weights") s.methodOption = false;
        else if (arg == "--optimize") s.methodOption = true;
        else if (arg == "--write-fingerprints") s.writeFingerPrints = true;
        else if (arg == "--json") request.json = true;
        else if (arg == "--threads") {
            double threads = 0;
            problem = value(threads);
            if (problem.empty() && (threads < 1 || threads > 1024 || threads != static_cast<unsigned>(threads)))
                problem = "--threads takes a whole number from 1 to 1024";
            request.threads = static_cast<unsigned>(threads);
        } else if (arg == "--csv" || arg == "--dendrogram") {
            if (i + 1 >= args.size()) return arg + " takes a file name";
            (arg == "--csv" ? request.csv : request.dendrogram) = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            problem = "unknown option " + arg;
        } else {
            request.paths.push_back(arg);
        }
        if (!problem.empty()) return problem;
    }
    const bool histogram =
        request.method == SimilarityMethod::Histogram || request.method == SimilarityMethod::Cumulative;
    for (const std::string& arg : args) {
        if ((arg == "--weights" || arg == "--no-weights") && !histogram)
            return arg + " applies to the histogram methods only";
        if (arg == "--optimize" && request.method != SimilarityMethod::Pdf) return "--optimize applies to --method pdf only";
    }
    return std::string();
}

std::vector<LoadedStructure> loadAll(const std::vector<std::string>& paths, std::ostream& err) {
    std::vector<std::string> problems;
    const std::vector<std::string> files = structureFilesIn(paths, problems);
    for (const std::string& problem : problems) err << problem << "\n";
    std::vector<LoadedStructure> structures;
    for (const std::string& file : files) {
        LoadedFile loaded = loadStructureFile(file);
        const std::string problem = loadProblemLine(loaded.report);
        if (!problem.empty()) err << problem << "\n";
        loaded.structure.setId(static_cast<int>(structures.size()));
        structures.push_back(std::move(loaded.structure));
    }
    return structures;
}

// Runs the command on a worker thread so a terminal can watch its progress.
SimilarityResult runWithProgress(const std::vector<LoadedStructure>& structures, const Request& request,
                                 std::ostream& err) {
    SimilarityProgress progress;
    SimilarityOptions options;
    options.threads = request.threads;
    options.progress = &progress;
    if (!isatty(STDERR_FILENO)) return runSimilarity(structures, request.method, request.settings, options);
    SimilarityResult result;
    bool done = false;
    std::thread worker([&] {
        result = runSimilarity(structures, request.method, request.settings, options);
        done = true;
    });
    const int n = static_cast<int>(structures.size());
    while (!done) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        err << "\rfingerprints " << progress.fingerprintsDone << "/" << n << ", matrix rows " << progress.rowsDone << "/"
            << n << std::flush;
    }
    worker.join();
    err << "\r" << std::string(60, ' ') << "\r" << std::flush;
    return result;
}

std::string jsonValue(float value) { return jsonNumber(value); }

void printJson(const Request& request, const std::vector<LoadedStructure>& structures, const SimilarityResult& result,
               const Clustering& clustering, std::ostream& out) {
    const SimilarityMethodInfo& info = methodInfo(request.method);
    const SimilaritySettings& s = request.settings;
    out << "{\"method\": " << jsonString(info.name) << ", \"title\": " << jsonString(info.title)
        << ", \"settings\": {\"from\": " << jsonNumber(float(s.from)) << ", \"to\": " << jsonNumber(float(s.to))
        << ", \"step\": " << jsonNumber(float(s.step));
    if (usesGaussian(request.method)) out << ", \"peak_width\": " << jsonNumber(float(s.peakWidth));
    out << ", \"include_hydrogens\": " << (s.includeHydrogens ? "true" : "false");
    if (request.method == SimilarityMethod::Histogram || request.method == SimilarityMethod::Cumulative)
        out << ", \"weights\": " << (s.methodOption ? "true" : "false");
    if (request.method == SimilarityMethod::Pdf) out << ", \"optimize\": " << (s.methodOption ? "true" : "false");
    out << ", \"write_fingerprints\": " << (s.writeFingerPrints ? "true" : "false") << "}, \"structures\": [";
    for (std::size_t i = 0; i < structures.size(); ++i)
        out << (i ? ", " : "") << "{\"id\": " << structures[i].id() << ", \"file\": " << jsonString(structures[i].filePath)
            << "}";
    out << "], \"matrix\": [";
    for (std::size_t i = 0; i < result.matrix.size(); ++i) {
        out << (i ? ", [" : "[");
        for (std::size_t j = 0; j < result.matrix[i].size(); ++j) out << (j ? ", " : "") << jsonValue(result.matrix[i][j]);
        out << "]";
    }
    out << "], \"merges\": [";
    for (std::size_t k = 0; k < clustering.merges.size(); ++k)
        out << (k ? ", " : "") << "{\"first\": " << clustering.merges[k].first << ", \"second\": "
            << clustering.merges[k].second << ", \"distance\": " << jsonValue(clustering.distances[k]) << "}";
    out << "]}\n";
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

std::string csvText(const std::vector<LoadedStructure>& structures, const SimilarityMatrix& matrix) {
    std::string text = "file";
    for (const LoadedStructure& s : structures) text += "," + csvField(s.fileName);
    text += "\n";
    for (std::size_t i = 0; i < matrix.size(); ++i) {
        text += csvField(structures[i].fileName);
        for (float value : matrix[i]) text += "," + jsonNumber(value);
        text += "\n";
    }
    return text;
}

}  // namespace

int runCompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") {
            out << usage;
            return 0;
        }
    Request request;
    const std::string problem = parseArguments(args, request);
    if (!problem.empty()) {
        err << problem << "\n\n" << usage;
        return 2;
    }
    if (request.paths.empty()) {
        request.paths = defaultStructureSet();
        if (request.paths.empty()) {
            err << "no PATH given, and the built-in set needs Debian's libavogadro-data in "
                << defaultStructureSetFolder() << "\n";
            return 1;
        }
        err << "no PATH given: comparing the built-in set of " << request.paths.size() << " polymorphs from "
            << defaultStructureSetFolder() << "\n";
    }
    std::vector<LoadedStructure> structures = loadAll(request.paths, err);
    if (structures.empty()) {
        err << "no structure to compare\n";
        return 1;
    }
    const SimilarityResult result = runWithProgress(structures, request, err);
    if (!result.error.empty()) {
        err << "settings refused: " << result.error << "\n";
        return 1;
    }
    for (const std::string& line : result.problems) err << line << "\n";

    const SimilarityMethodInfo& info = methodInfo(request.method);
    const Clustering clustering = clusterMatrix(result.matrix);
    if (request.json) printJson(request, structures, result, clustering, out);
    else out << dataListText(structures) << similarityMatrixText(info.title, result.matrix);

    int status = 0;
    if (!request.csv.empty() && !writeText(request.csv, csvText(structures, result.matrix))) {
        err << request.csv << ": cannot be written\n";
        status = 1;
    }
    if (!request.dendrogram.empty()) {
        const int rows = static_cast<int>(structures.size());
        const DendrogramLayout layout = layoutDendrogram(result.matrix, clustering.merges, 800, std::max(300, 16 * rows + 60));
        if (!writeText(request.dendrogram, dendrogramSvg(layout, info.title))) {
            err << request.dendrogram << ": cannot be written\n";
            status = 1;
        }
    }
    return status;
}
