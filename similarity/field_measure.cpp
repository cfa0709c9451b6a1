#include "similarity/field_measure.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// Fields compared together in one pass over `a`; each keeps its own two sums.
constexpr std::size_t batch = 16;

struct RowRange {
    std::size_t first, end;
};

// A double truncated to an index; NaN and negatives give `low`, overflow gives `high`.
std::size_t indexOf(double v, std::size_t low, std::size_t high) {
    if (!(v >= 0)) return low;
    return v >= static_cast<double>(high) ? high : static_cast<std::size_t>(v);
}

RowRange rowRange(const DistanceAngleField& a, double from, double to, double step) {
    const double inverse = 1 / step;
    const std::size_t rows = a.size();
    const double end = std::trunc(std::trunc(to) * inverse);
    // A negative end compares as a huge unsigned number and so becomes the row count.
    const std::size_t last = end < 0 ? rows : indexOf(end, 0, rows);
    return {indexOf(std::trunc(std::trunc(from) * inverse), 0, rows), last};
}

bool comparable(const DistanceAngleField& a, const DistanceAngleField& b, RowRange range) {
    if (range.first >= range.end) return true;
    if (b.size() < range.end) return false;
    for (std::size_t r = range.first; r < range.end; ++r)
        if (b[r].size() < a[r].size()) return false;
    return true;
}

float finish(float sum, float total) { return static_cast<float>(std::pow(static_cast<double>(sum / total), 0.5)); }

// Each term in double precision from the floats, each running sum rounded to
// float after every addition: the results must not depend on how many fields
// are compared at once.
template <std::size_t N>
void measureBatch(const DistanceAngleField& a, const DistanceAngleField* const* others, RowRange range, float* out) {
    float sum[N] = {}, total[N] = {};
    for (std::size_t r = range.first; r < range.end; ++r) {
        const float* row = a[r].data();
        const std::size_t length = a[r].size();
        const float* other[N];
        for (std::size_t j = 0; j < N; ++j) other[j] = (*others[j])[r].data();
        // Cells that are zero in every field add exactly nothing to either sum.
        std::size_t first = 0, end = length;
        auto allZero = [&](std::size_t k) {
            if (row[k] != 0) return false;
            for (std::size_t j = 0; j < N; ++j)
                if (other[j][k] != 0) return false;
            return true;
        };
        while (first < end && allZero(first)) ++first;
        while (end > first && allZero(end - 1)) --end;
        for (std::size_t k = first; k < end; ++k) {
            const double x = row[k];
            for (std::size_t j = 0; j < N; ++j) {
                const double y = other[j][k];
                const double d = x - y;
                sum[j] = static_cast<float>(sum[j] + d * d);
                total[j] = static_cast<float>(total[j] + x * y);
            }
        }
    }
    for (std::size_t j = 0; j < N; ++j) out[j] = finish(sum[j], total[j]);
}

}  // namespace

float fieldMeasure(const DistanceAngleField& a, const DistanceAngleField& b, double from, double to, double step) {
    const RowRange range = rowRange(a, from, to, step);
    if (!comparable(a, b, range)) return std::numeric_limits<float>::quiet_NaN();
    const DistanceAngleField* other = &b;
    float result;
    measureBatch<1>(a, &other, range, &result);
    return result;
}

std::vector<float> fieldMeasures(const DistanceAngleField& a, const std::vector<const DistanceAngleField*>& others,
                                 double from, double to, double step) {
    const RowRange range = rowRange(a, from, to, step);
    std::vector<float> results(others.size(), std::numeric_limits<float>::quiet_NaN());
    // The comparable fields, batched; the others stay NaN.
    std::vector<const DistanceAngleField*> fields;
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < others.size(); ++i)
        if (others[i] && comparable(a, *others[i], range)) {
            fields.push_back(others[i]);
            positions.push_back(i);
        }
    float out[batch];
    std::size_t i = 0;
    auto run = [&](auto size, auto measure) {
        for (; i + size <= fields.size(); i += size) {
            measure(a, fields.data() + i, range, out);
            for (std::size_t j = 0; j < size; ++j) results[positions[i + j]] = out[j];
        }
    };
    // Wide batches first; the rest in ever smaller ones rather than one by one.
    run(batch, measureBatch<batch>);
    run(std::size_t{4}, measureBatch<4>);
    run(std::size_t{1}, measureBatch<1>);
    return results;
}
