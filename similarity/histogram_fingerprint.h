#pragma once

#include <memory>
#include <vector>

#include "geometry/pair_environment.h"

// Pair distances sorted into bins of equal width, counted and mass-weighted,
// plain and cumulative. Bin i of the plain histograms holds the pairs with
// i·w <= d < (i+1)·w; bin i of the cumulative ones the pairs shorter than i·w.
class HistogramFingerPrint {
public:
    explicit HistogramFingerPrint(std::unique_ptr<PairEnvironment> environment);

    void setBinWidth(float width) { binWidth_ = width; }
    float binWidth() const { return binWidth_; }

    void computeHistograms();
    void computeCumulativeHistograms();

    const std::vector<float>& counts() const { return counts_; }
    const std::vector<float>& weighted() const { return weighted_; }
    const std::vector<float>& cumulativeCounts() const { return cumulativeCounts_; }
    const std::vector<float>& cumulativeWeighted() const { return cumulativeWeighted_; }
    const PairEnvironment& environment() const { return *environment_; }

private:
    int binCount() const;
    // The plain bin of distance d: the largest i with i·w <= d (edges in double).
    long binOf(float distance) const;

    std::vector<float> counts_, weighted_, cumulativeCounts_, cumulativeWeighted_;
    float binWidth_ = 0.2f;
    std::unique_ptr<PairEnvironment> environment_;
};
