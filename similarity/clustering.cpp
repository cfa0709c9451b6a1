#include "similarity/clustering.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <stdexcept>

namespace {

constexpr float kDead = -1.0f;

// The merged pairs as a bitmap over the matrix, so that asking about a pair
// costs nothing however many merges there are. Pairs outside the matrix can
// never match an entry and are left out.
class MergedPairs {
public:
    explicit MergedPairs(std::size_t n) : n_(n), bits_(n * n, 0) {}
    MergedPairs(std::size_t n, const std::vector<MergePair>& merges) : MergedPairs(n) {
        for (const MergePair& m : merges) add(m);
    }

    void add(MergePair m) {
        if (inside(m.first) && inside(m.second))
            bits_[static_cast<std::size_t>(m.first) * n_ + static_cast<std::size_t>(m.second)] = 1;
    }
    bool contains(std::size_t a, std::size_t b) const { return bits_[a * n_ + b] != 0; }

private:
    bool inside(int i) const { return i >= 0 && static_cast<std::size_t>(i) < n_; }

    std::size_t n_;
    std::vector<unsigned char> bits_;
};

void requireSquare(const SimilarityMatrix& matrix) {
    for (const std::vector<float>& row : matrix)
        if (row.size() != matrix.size()) throw std::invalid_argument("similarity matrix is not square");
}

float& upper(SimilarityMatrix& w, std::size_t a, std::size_t b) { return a < b ? w[a][b] : w[b][a]; }

MergePair closestPair(const SimilarityMatrix& w, const MergedPairs& merged) {
    float best = 1.0e9f;
    MergePair result{0, 0};
    const std::size_t n = w.size();
    for (std::size_t b = 0; b < n; ++b) {
        const std::vector<float>& row = w[b];
        for (std::size_t i = b + 1; i < n; ++i) {
            const float v = row[i];
            if (v == kDead || merged.contains(b, i)) continue;
            // <= so that the last of equal values wins; NaN never compares true.
            if (v <= best) {
                best = v;
                result = {static_cast<int>(b), static_cast<int>(i)};
            }
        }
    }
    return result;
}

// Only row and column p and q change, and each new (k, q) needs only the old
// (k, p) and (k, q): writing q first and p after reads nothing already written.
void mergeInPlace(SimilarityMatrix& w, MergePair pq, const MergedPairs& merged) {
    const std::size_t n = w.size();
    const auto p = static_cast<std::size_t>(pq.first);
    const auto q = static_cast<std::size_t>(pq.second);
    const auto live = [&](std::size_t a, std::size_t b) {
        const std::size_t u = std::min(a, b), v = std::max(a, b);
        return w[u][v] != kDead && !merged.contains(u, v);
    };
    if (p != q) {
        for (std::size_t k = 0; k < n; ++k) {
            if (k == p || k == q || !live(k, q)) continue;
            upper(w, k, q) = (upper(w, k, p) + upper(w, k, q)) * 0.5f;
        }
    }
    for (std::size_t k = 0; k < n; ++k)
        if (k != p && live(k, p)) upper(w, k, p) = kDead;
}

// The fallback when no entry qualifies: the two highest-numbered live
// clusters, the pair a tie among the live ones would pick.
MergePair lastLivePair(const std::vector<unsigned char>& dead) {
    MergePair pair{-1, -1};
    for (int i = static_cast<int>(dead.size()) - 1; i >= 0 && pair.first < 0; --i) {
        if (dead[static_cast<std::size_t>(i)]) continue;
        if (pair.second < 0)
            pair.second = i;
        else
            pair.first = i;
    }
    return pair;
}

}  // namespace

bool isMerged(int a, int b, const std::vector<MergePair>& merges) {
    return std::any_of(merges.begin(), merges.end(), [&](MergePair m) { return m.first == a && m.second == b; });
}

MergePair findClosestPair(const SimilarityMatrix& working, const std::vector<MergePair>& merges) {
    requireSquare(working);
    return closestPair(working, MergedPairs(working.size(), merges));
}

SimilarityMatrix mergeRows(const SimilarityMatrix& working, MergePair pq, const std::vector<MergePair>& merges) {
    requireSquare(working);
    const auto n = static_cast<long long>(working.size());
    if (pq.first < 0 || pq.second < 0 || pq.first >= n || pq.second >= n)
        throw std::invalid_argument("merge pair outside the matrix");
    SimilarityMatrix result = working;
    mergeInPlace(result, pq, MergedPairs(working.size(), merges));
    return result;
}

Clustering clusterMatrix(const SimilarityMatrix& matrix) {
    requireSquare(matrix);
    Clustering clustering;
    const std::size_t n = matrix.size();
    if (n < 2) return clustering;

    SimilarityMatrix w = matrix;
    MergedPairs merged(n);
    std::vector<unsigned char> dead(n, 0);
    clustering.merges.reserve(n - 1);
    clustering.distances.reserve(n - 1);
    while (clustering.merges.size() < n - 1) {
        MergePair pair = closestPair(w, merged);
        if (pair.first == pair.second) pair = lastLivePair(dead);
        const float value = w[static_cast<std::size_t>(pair.first)][static_cast<std::size_t>(pair.second)];
        clustering.merges.push_back(pair);
        clustering.distances.push_back(value == kDead ? std::numeric_limits<float>::quiet_NaN() : value);
        merged.add(pair);
        dead[static_cast<std::size_t>(pair.first)] = 1;
        mergeInPlace(w, pair, merged);
    }
    return clustering;
}
