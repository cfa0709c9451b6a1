// WPGMA clustering: pair choice (ties, NaN, dead entries), row merging, the
// degenerate matrices, agreement with the plain O(n^4) rule and with scipy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "similarity/clustering.h"
#include "symmetric_matrix.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

SimilarityMatrix filled(std::size_t n, float value) {
    return symmetric(n, std::vector<float>(n * (n - 1) / 2, value));
}

bool sameFloat(float a, float b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

std::string text(const std::vector<MergePair>& merges) {
    std::string s;
    for (const MergePair& m : merges) s += "(" + std::to_string(m.first) + "," + std::to_string(m.second) + ")";
    return s;
}

// The rule exactly as stated, with the linear isMerged lookup: slow, obvious,
// and the yardstick for the bitmap and in-place version.
MergePair plainClosest(const SimilarityMatrix& w, const std::vector<MergePair>& merges) {
    float best = 1.0e9f;
    MergePair result{0, 0};
    const int n = static_cast<int>(w.size());
    for (int b = 0; b < n; ++b)
        for (int i = b + 1; i < n; ++i) {
            const float v = w[b][i];
            if (v == -1.0f || isMerged(b, i, merges)) continue;
            if (v <= best) {
                best = v;
                result = {b, i};
            }
        }
    return result;
}

SimilarityMatrix plainMerge(const SimilarityMatrix& w, MergePair pq, const std::vector<MergePair>& merges) {
    SimilarityMatrix out = w;
    const int n = static_cast<int>(w.size());
    const auto at = [&](int a, int b) { return w[std::min(a, b)][std::max(a, b)]; };
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v) {
            if (w[u][v] == -1.0f || isMerged(u, v, merges)) continue;
            if (u == pq.first || v == pq.first) {
                out[u][v] = -1.0f;
            } else if (u == pq.second || v == pq.second) {
                const int k = u == pq.second ? v : u;
                out[u][v] = (at(k, pq.first) + at(k, pq.second)) * 0.5f;
            }
        }
    return out;
}

Clustering plainClustering(const SimilarityMatrix& matrix) {
    Clustering c;
    const int n = static_cast<int>(matrix.size());
    SimilarityMatrix w = matrix;
    std::vector<bool> dead(matrix.size());
    while (static_cast<int>(c.merges.size()) < n - 1) {
        MergePair pair = plainClosest(w, c.merges);
        if (pair.first == pair.second) {  // the documented fallback: two highest live
            std::vector<int> live;
            for (int i = 0; i < n; ++i)
                if (!dead[static_cast<std::size_t>(i)]) live.push_back(i);
            pair = {live[live.size() - 2], live.back()};
        }
        const float v = w[static_cast<std::size_t>(pair.first)][static_cast<std::size_t>(pair.second)];
        c.merges.push_back(pair);
        c.distances.push_back(v == -1.0f ? kNaN : v);
        dead[static_cast<std::size_t>(pair.first)] = true;
        w = plainMerge(w, pair, c.merges);
    }
    return c;
}

}  // namespace

TEST(Cluster, IsMergedWantsTheOrderedPair) {
    const std::vector<MergePair> merges{{0, 3}, {2, 5}};
    const struct {
        int a, b;
        bool merged;
    } cases[] = {{0, 3, true}, {2, 5, true}, {3, 0, false}, {0, 5, false}, {2, 3, false}, {1, 4, false}};
    for (const auto& c : cases) EXPECT_EQ(isMerged(c.a, c.b, merges), c.merged) << c.a << "," << c.b;
    EXPECT_FALSE(isMerged(0, 3, {}));
}

TEST(Cluster, FindClosestPair) {
    // Upper triangles of 4 x 4 matrices, row-major: (0,1) (0,2) (0,3) (1,2) (1,3) (2,3).
    const struct {
        const char* name;
        std::vector<float> upper;
        std::vector<MergePair> merges;
        MergePair expected;
    } cases[] = {
        {"smallest wins", {0.5f, 0.2f, 0.4f, 0.3f, 0.6f, 0.7f}, {}, {0, 2}},
        {"equal values: the last in row-major order", {0.5f, 0.1f, 0.4f, 0.3f, 0.1f, 0.7f}, {}, {1, 3}},
        {"zero distances tie too", {0.0f, 0.5f, 0.0f, 0.0f, 0.5f, 0.5f}, {}, {1, 2}},
        {"NaN is never chosen", {kNaN, 0.2f, kNaN, 0.3f, kNaN, kNaN}, {}, {0, 2}},
        {"-1 is dead, not small", {-1.0f, 0.2f, -1.0f, 0.3f, 0.4f, 0.5f}, {}, {0, 2}},
        {"merged pairs are skipped", {0.5f, 0.1f, 0.4f, 0.3f, 0.6f, 0.2f}, {{0, 2}, {2, 3}}, {1, 2}},
        {"merges name ordered pairs", {0.5f, 0.1f, 0.4f, 0.3f, 0.6f, 0.7f}, {{2, 0}}, {0, 2}},
        {"1e9 is the ceiling, inclusive", {2.0e9f, 1.0e9f, kInf, 2.0e9f, kInf, 3.0e9f}, {}, {0, 2}},
        {"nothing qualifies", {kNaN, -1.0f, kInf, 2.0e9f, kNaN, -1.0f}, {}, {0, 0}},
        {"everything merged", {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f}, {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}},
         {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findClosestPair(symmetric(4, c.upper), c.merges), c.expected) << c.name;
    EXPECT_EQ(findClosestPair({}, {}), (MergePair{0, 0}));
    EXPECT_EQ(findClosestPair({{0.0f}}, {}), (MergePair{0, 0}));
}

TEST(Cluster, MergeRowsKillsTheFirstAndAveragesIntoTheSecond) {
    const struct {
        const char* name;
        std::vector<float> upper;  // (0,1) (0,2) (0,3) (1,2) (1,3) (2,3)
        std::vector<MergePair> merges;
        std::vector<float> expected;
    } cases[] = {
        // (1,2) needs the old (0,1), which the merge itself kills: reading the
        // result instead of the input would give (-1 + 0.4) / 2.
        {"means come from the input", {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f}, {{0, 2}},
         {-1.0f, 0.2f, -1.0f, (0.1f + 0.4f) * 0.5f, 0.5f, (0.3f + 0.6f) * 0.5f}},
        // 1 died into 3 earlier: its dead entries stay dead and its merged
        // entry (1,3) is left alone although it touches the surviving cluster.
        {"dead and merged entries stay", {-1.0f, 0.2f, 0.3f, -1.0f, 0.05f, 0.7f}, {{1, 3}, {0, 3}},
         {-1.0f, -1.0f, 0.3f, -1.0f, 0.05f, (0.2f + 0.7f) * 0.5f}},
        {"NaN spreads into the mean", {0.1f, kNaN, 0.3f, 0.4f, 0.5f, 0.6f}, {{1, 2}},
         {-1.0f, kNaN, 0.3f, 0.4f, -1.0f, (0.5f + 0.6f) * 0.5f}},
    };
    for (const auto& c : cases) {
        const SimilarityMatrix before = symmetric(4, c.upper);
        const SimilarityMatrix after = mergeRows(before, c.merges.back(), c.merges);
        std::size_t k = 0;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j) {
                if (i < j)
                    EXPECT_TRUE(sameFloat(after[i][j], c.expected[k++])) << c.name << " (" << i << "," << j << ")";
                else
                    EXPECT_TRUE(sameFloat(after[i][j], before[i][j])) << c.name << ": lower triangle changed";
            }
    }
    EXPECT_THROW(mergeRows(filled(3, 0.1f), {1, 3}, {{1, 3}}), std::invalid_argument);
}

TEST(Cluster, MergesAndTheirWorkingDistances) {
    const struct {
        const char* name;
        SimilarityMatrix matrix;
        std::vector<MergePair> merges;
        std::vector<float> distances;
    } cases[] = {
        {"no structures", {}, {}, {}},
        {"one structure", {{0.0f}}, {}, {}},
        {"two structures", symmetric(2, {0.3f}), {{0, 1}}, {0.3f}},
        {"three: the merged cluster's distance is the mean", symmetric(3, {0.01f, 0.1f, 0.2f}), {{0, 1}, {1, 2}},
         {0.01f, (0.1f + 0.2f) * 0.5f}},
        {"all equal: the later pair goes first", filled(3, 0.5f), {{1, 2}, {0, 2}}, {0.5f, 0.5f}},
        {"two equal closest pairs", symmetric(4, {0.1f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f}), {{2, 3}, {0, 1}, {1, 3}},
         {0.1f, 0.1f, 0.9f}},
        // (2,3) is NaN and the NaN reaches every mean involving 3's cluster:
        // once nothing is left to choose, the two live clusters still join.
        {"NaN entries are passed over", symmetric(4, {0.4f, 0.2f, 0.3f, 0.5f, 0.6f, kNaN}), {{0, 2}, {1, 2}, {2, 3}},
         {0.2f, (0.4f + 0.5f) * 0.5f, kNaN}},
        // Nothing can be chosen at all: the highest-numbered live clusters join.
        {"all NaN", filled(4, kNaN), {{2, 3}, {1, 3}, {0, 3}}, {kNaN, kNaN, kNaN}},
        {"all infinite", filled(3, kInf), {{1, 2}, {0, 2}}, {kInf, kInf}},
        {"all beyond 1e9", filled(3, 2.0e9f), {{1, 2}, {0, 2}}, {2.0e9f, 2.0e9f}},
        {"all dead", filled(3, -1.0f), {{1, 2}, {0, 2}}, {kNaN, kNaN}},
    };
    for (const auto& c : cases) {
        const Clustering result = clusterMatrix(c.matrix);
        EXPECT_EQ(text(result.merges), text(c.merges)) << c.name;
        ASSERT_EQ(result.distances.size(), c.distances.size()) << c.name;
        for (std::size_t k = 0; k < c.distances.size(); ++k)
            EXPECT_TRUE(sameFloat(result.distances[k], c.distances[k]))
                << c.name << " merge " << k << ": " << result.distances[k] << " vs " << c.distances[k];
    }
}

TEST(Cluster, RejectsARaggedMatrix) {
    const SimilarityMatrix ragged{{0.0f, 0.1f}, {0.1f}};
    EXPECT_THROW(clusterMatrix(ragged), std::invalid_argument);
    EXPECT_THROW(findClosestPair(ragged, {}), std::invalid_argument);
}

// Coarse values make many exact ties; NaN, -1 and infinity are sprinkled in.
TEST(Cluster, AgreesWithThePlainRuleOnAwkwardMatrices) {
    std::mt19937 random(20240611);
    const float specials[] = {kNaN, -1.0f, kInf, 0.0f};
    for (int round = 0; round < 60; ++round) {
        const auto n = static_cast<std::size_t>(2 + round % 23);
        std::vector<float> upper(n * (n - 1) / 2);
        for (float& v : upper) {
            const unsigned draw = random() % 40;
            v = draw < 4 && round % 3 == 0 ? specials[draw] : static_cast<float>(draw % 8) * 0.125f;
        }
        const SimilarityMatrix matrix = symmetric(n, upper);
        const Clustering fast = clusterMatrix(matrix);
        const Clustering plain = plainClustering(matrix);
        ASSERT_EQ(text(fast.merges), text(plain.merges)) << "round " << round;
        for (std::size_t k = 0; k < plain.distances.size(); ++k)
            ASSERT_TRUE(sameFloat(fast.distances[k], plain.distances[k])) << "round " << round << " merge " << k;
    }
}

// Each merge joins two different clusters into one tree, and WPGMA heights
// never decrease (a mean of values >= d is >= d, in float too).
TEST(Cluster, FourHundredStructuresMakeOneMonotoneTree) {
    const std::size_t n = 400;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> uniform(0.0f, 0.3f);
    std::vector<float> upper(n * (n - 1) / 2);
    for (float& v : upper) v = uniform(random);
    const Clustering c = clusterMatrix(symmetric(n, upper));
    ASSERT_EQ(c.merges.size(), n - 1);
    std::vector<bool> dead(n);
    for (std::size_t k = 0; k < c.merges.size(); ++k) {
        const MergePair m = c.merges[k];
        ASSERT_LT(m.first, m.second);
        ASSERT_FALSE(dead[static_cast<std::size_t>(m.first)] || dead[static_cast<std::size_t>(m.second)]) << k;
        dead[static_cast<std::size_t>(m.first)] = true;
        if (k > 0) {
            EXPECT_GE(c.distances[k], c.distances[k - 1]) << k;
        }
    }
}

namespace {

struct ReferenceMerge {
    double height;
    std::vector<int> members;
};

struct ReferenceCase {
    std::string name;
    SimilarityMatrix matrix;
    std::vector<ReferenceMerge> merges;
};

std::vector<ReferenceCase> readScipyLinkage() {
    std::ifstream in(std::string(TESSARA_FIXTURES) + "/scipy_linkage.txt");
    std::vector<ReferenceCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string word, kind, seed;
        std::size_t n = 0;
        fields >> word >> n >> kind >> seed;
        ReferenceCase c;
        c.name = kind + " " + std::to_string(n) + " seed " + seed;
        c.matrix.assign(n, std::vector<float>(n));
        for (std::vector<float>& row : c.matrix) {
            std::getline(in, line);
            std::istringstream values(line);
            for (float& v : row) values >> v;
        }
        for (std::size_t k = 0; k + 1 < n && std::getline(in, line); ++k) {
            std::istringstream values(line);
            ReferenceMerge merge;
            std::size_t size = 0;
            values >> word >> merge.height >> size;
            merge.members.resize(size);
            for (int& member : merge.members) values >> member;
            c.merges.push_back(merge);
        }
        cases.push_back(c);
    }
    return cases;
}

// The structures in the cluster each merge forms, ascending.
std::vector<std::vector<int>> clustersFormed(const std::vector<MergePair>& merges, std::size_t n) {
    std::vector<std::vector<int>> members(n);
    for (std::size_t i = 0; i < n; ++i) members[i] = {static_cast<int>(i)};
    std::vector<std::vector<int>> formed;
    for (const MergePair& m : merges) {
        auto& into = members[static_cast<std::size_t>(m.second)];
        auto& from = members[static_cast<std::size_t>(m.first)];
        into.insert(into.end(), from.begin(), from.end());
        from.clear();
        std::sort(into.begin(), into.end());
        formed.push_back(into);
    }
    return formed;
}

}  // namespace

// scipy clusters the same float32 values in double precision, so heights agree
// to float rounding; the fixture avoids near-ties, so the clusters agree exactly.
TEST(Cluster, MatchesScipyWeightedLinkage) {
    const std::vector<ReferenceCase> cases = readScipyLinkage();
    ASSERT_GE(cases.size(), 10u) << "fixture missing or unreadable";
    for (const ReferenceCase& c : cases) {
        const std::size_t n = c.matrix.size();
        const Clustering result = clusterMatrix(c.matrix);
        ASSERT_EQ(result.merges.size(), n - 1) << c.name;
        ASSERT_EQ(c.merges.size(), n - 1) << c.name;

        std::vector<double> ours(result.distances.begin(), result.distances.end()), theirs;
        for (const ReferenceMerge& m : c.merges) theirs.push_back(m.height);
        std::sort(ours.begin(), ours.end());
        std::sort(theirs.begin(), theirs.end());
        for (std::size_t k = 0; k < ours.size(); ++k)
            EXPECT_NEAR(ours[k], theirs[k], 1e-6 * theirs[k]) << c.name << " height " << k;

        // Every cluster formed is one scipy forms, at the same height.
        std::map<std::vector<int>, double> reference;
        for (const ReferenceMerge& m : c.merges) reference[m.members] = m.height;
        const std::vector<std::vector<int>> formed = clustersFormed(result.merges, n);
        for (std::size_t k = 0; k < formed.size(); ++k) {
            const auto found = reference.find(formed[k]);
            ASSERT_NE(found, reference.end()) << c.name << ": merge " << k << " forms a cluster scipy does not";
            EXPECT_NEAR(result.distances[k], found->second, 1e-6 * found->second) << c.name << " merge " << k;
        }
    }
}
