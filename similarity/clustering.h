#pragma once

#include <vector>

#include "similarity/similarity_matrix.h"

// Agglomerative clustering of a dissimilarity matrix by weighted pair-group
// averaging (WPGMA): the closest two clusters merge, and the merged cluster's
// distance to any other is the plain mean of its two parts' distances.
//
// Only entries above the diagonal (i < j) are read. In the working matrix the
// value -1 marks a dead entry, so an input entry of -1 is never chosen and
// never updated (though it is read like any value when a neighbour's mean is
// taken).

// One merge: after it the cluster lives on as `second`; `first` is dead.
struct MergePair {
    int first;
    int second;
};

inline bool operator==(MergePair a, MergePair b) { return a.first == b.first && a.second == b.second; }
inline bool operator!=(MergePair a, MergePair b) { return !(a == b); }

struct Clustering {
    std::vector<MergePair> merges;  // in the order they were chosen
    std::vector<float> distances;   // working-matrix value at which each merge was chosen
};

// True when merges holds (a, b) in that order.
bool isMerged(int a, int b, const std::vector<MergePair>& merges);

// The live, unmerged pair with the smallest working value; ties go to the
// pair met last in row-major order over the upper triangle. Values that are
// -1, NaN or above 1e9 are never chosen. When nothing qualifies the result is
// (0, 0), recognisable because first == second.
MergePair findClosestPair(const SimilarityMatrix& working, const std::vector<MergePair>& merges);

// The working matrix after merging pq, which merges must already hold: every
// live entry of pq.first becomes -1, every live entry (k, pq.second) becomes
// the mean of the old (k, first) and (k, second). All values are read from
// `working`, none from the result. Merged pairs and dead entries are left
// as they are.
SimilarityMatrix mergeRows(const SimilarityMatrix& working, MergePair pq, const std::vector<MergePair>& merges);

// Merges until n - 1 merges are made (none for fewer than two structures).
//
// When no pair qualifies before that (the live entries are all NaN, -1 or
// beyond 1e9) the remaining clusters are still joined, so the result is always
// one complete tree that a dendrogram can draw: the two highest-numbered live
// clusters merge, taking the same last-in-row-major-order choice as a tie
// would, and the recorded distance is their working value, or NaN where that
// is the dead marker -1. Throws std::invalid_argument for a matrix that is
// not square.
Clustering clusterMatrix(const SimilarityMatrix& matrix);
