#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "model/loaded_structure.h"
#include "similarity/similarity_matrix.h"
#include "similarity/similarity_settings.h"

// Where a running command stands, for a progress display on another thread,
// and the user's request to stop.
struct SimilarityProgress {
    std::atomic<int> fingerprintsDone{0};
    std::atomic<int> rowsDone{0};
    std::atomic<bool> cancel{false};
};

struct SimilarityOptions {
    unsigned threads = 0;                    // 0: one per core
    SimilarityProgress* progress = nullptr;  // optional
};

struct SimilarityResult {
    std::string error;                  // settings refused: nothing was computed
    bool cancelled = false;             // stopped by the user: no matrix, nothing logged
    SimilarityMatrix matrix;            // n × n, row and column k for structure k
    std::vector<std::string> problems;  // structures that could not be described, one line each
};

// One similarity command over every structure, in list order: a fingerprint
// per structure (written to its file when asked), then every pair compared.
// Fingerprints and matrix rows are computed in parallel with results that do
// not depend on the thread count. The run-log lines of the command are written
// at the end, in structure order; a cancelled run writes none.
SimilarityResult runSimilarity(const std::vector<LoadedStructure>& structures, SimilarityMethod method,
                               const SimilaritySettings& settings, const SimilarityOptions& options = {});
