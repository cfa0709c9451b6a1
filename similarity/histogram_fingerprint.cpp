#include "similarity/histogram_fingerprint.h"

#include <cmath>

HistogramFingerPrint::HistogramFingerPrint(std::unique_ptr<PairEnvironment> environment)
    : environment_(std::move(environment)) {}

int HistogramFingerPrint::binCount() const {
    // A non-positive width has no bins: empty histograms rather than a division by zero.
    if (!(binWidth_ > 0)) return 0;
    const double bins = std::floor(double(environment_->cutoffRadius()) / double(binWidth_));
    return bins > 0 ? static_cast<int>(bins) : 0;
}

long HistogramFingerPrint::binOf(float distance) const {
    const double w = binWidth_, d = distance;
    long i = static_cast<long>(std::floor(d / w));
    while (i > 0 && double(i) * w > d) --i;
    while (double(i + 1) * w <= d) ++i;
    return i;
}

void HistogramFingerPrint::computeHistograms() {
    environment_->buildEnvironment();
    const int nb = binCount();
    counts_.assign(nb, 0.0f);
    weighted_.assign(nb, 0.0f);
    if (nb == 0) return;
    for (const AtomPair& pair : environment_->pairs()) {
        if (!std::isfinite(pair.distance)) continue;
        const long i = binOf(pair.distance);
        if (i < 0 || i >= nb) continue;
        counts_[i] += 1;
        weighted_[i] += pair.weight;
    }
}

void HistogramFingerPrint::computeCumulativeHistograms() {
    environment_->buildEnvironment();
    const int nb = binCount();
    cumulativeCounts_.assign(nb, 0.0f);
    cumulativeWeighted_.assign(nb, 0.0f);
    if (nb == 0) return;
    for (const AtomPair& pair : environment_->pairs()) {
        if (!std::isfinite(pair.distance)) continue;
        // Bin i counts the pair when i·w > d, that is for every i above d's plain bin; bin 0 never.
        for (long i = std::max(1L, binOf(pair.distance) + 1); i < nb; ++i) {
            cumulativeCounts_[i] += 1;
            cumulativeWeighted_[i] += pair.weight;
        }
    }
}
