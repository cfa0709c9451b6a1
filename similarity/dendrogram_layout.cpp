#include "similarity/dendrogram_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <numeric>
#include <stdexcept>

namespace {

constexpr int kMinimumSide = 60;
constexpr float kPixelLimit = 1.0e6f;
constexpr int kAxisPen = 2;
constexpr Rgb kWhite{255, 255, 255};
// The colour steps, marked on the axis so that the bar colours can be read.
constexpr float kFixedTicks[] = {0.05f, 0.075f, 0.1f, 0.15f};
constexpr const char* kFixedTickTexts[] = {"0.05", "0.075", "0.1", "0.15"};

// Truncation toward zero as the painter's int coordinates need it, safe for
// any float.
int pixel(float v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kPixelLimit, kPixelLimit));
}

float entry(const SimilarityMatrix& matrix, MergePair m) {
    const auto a = static_cast<std::size_t>(std::min(m.first, m.second));
    const auto b = static_cast<std::size_t>(std::max(m.first, m.second));
    return matrix[a][b];
}

void validate(const SimilarityMatrix& matrix, const std::vector<MergePair>& merges) {
    const int n = static_cast<int>(matrix.size());
    for (const std::vector<float>& row : matrix)
        if (row.size() != matrix.size()) throw std::invalid_argument("similarity matrix is not square");
    // Union-find: a merge inside one component would make the rows ambiguous.
    std::vector<std::size_t> parent(matrix.size());
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    const auto root = [&](int index) {
        auto i = static_cast<std::size_t>(index);
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    for (const MergePair& m : merges) {
        if (m.first < 0 || m.second < 0 || m.first >= n || m.second >= n)
            throw std::invalid_argument("merge names a structure outside the matrix");
        const std::size_t a = root(m.first), b = root(m.second);
        if (a == b) throw std::invalid_argument("merge joins structures already joined");
        parent[a] = b;
    }
}

// Row order: the first merge's pair, then repeatedly the other index of the
// lowest-numbered unused merge (from the second on) that touches a placed row.
// The merges are validated as a forest, so a merge never has both indices
// placed and "first placed index met in the order" is simply the placed one.
std::vector<int> leafOrderOf(std::size_t n, const std::vector<MergePair>& merges) {
    std::vector<int> order;
    std::vector<unsigned char> placed(n, 0), used(merges.size(), 0);
    const auto place = [&](int i) {
        order.push_back(i);
        placed[static_cast<std::size_t>(i)] = 1;
    };
    if (!merges.empty()) {
        place(merges[0].first);
        place(merges[0].second);
    }
    while (order.size() < n) {
        bool extended = false;
        for (std::size_t j = 1; j < merges.size() && !extended; ++j) {
            if (used[j]) continue;
            const bool firstPlaced = placed[static_cast<std::size_t>(merges[j].first)];
            const bool secondPlaced = placed[static_cast<std::size_t>(merges[j].second)];
            if (!firstPlaced && !secondPlaced) continue;
            place(firstPlaced ? merges[j].second : merges[j].first);
            used[j] = 1;
            extended = true;
        }
        if (!extended) place(static_cast<int>(std::find(placed.begin(), placed.end(), 0) - placed.begin()));
    }
    return order;
}

bool usableScale(float g, float span) { return g > 0.0f && std::isfinite(g) && std::isfinite(span / g); }

float scaleOf(const SimilarityMatrix& matrix, const std::vector<MergePair>& merges, float span) {
    const float last = entry(matrix, merges.back());
    if (usableScale(last, span)) return last;
    float largest = 0.0f;
    for (const MergePair& m : merges) {
        const float v = entry(matrix, m);
        if (usableScale(v, span)) largest = std::max(largest, v);
    }
    return largest > 0.0f ? largest : kFixedTicks[3];
}

std::string formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

Rgb distanceColour(float d) {
    if (d < 0.02f) return {50, 150, 50};
    if (d < 0.05f) return {50, 200, 50};
    if (d < 0.075f) return {200, 255, 50};
    if (d < 0.1f) return {255, 200, 20};
    if (d < 0.15f) return {255, 50, 50};
    return {150, 50, 50};
}

DendrogramLayout layoutDendrogram(const SimilarityMatrix& matrix, const std::vector<MergePair>& merges, int width,
                                  int height) {
    validate(matrix, merges);
    DendrogramLayout layout;
    const int w = std::max(width, kMinimumSide);
    const int h = std::max(height, kMinimumSide);
    layout.width = w;
    layout.height = h;
    auto& items = layout.items;
    items.emplace_back(LayoutRect{0, 0, w, h, kWhite, 1});

    const std::size_t n = matrix.size();
    layout.leafOrder = leafOrderOf(n, merges);
    layout.rowY.assign(n, 0.0f);
    for (std::size_t p = 0; p < n; ++p) {
        const long long y = static_cast<long long>(p) * (h - 30) / static_cast<long long>(n) + 30;
        const int item = layout.leafOrder[p];
        layout.rowY[static_cast<std::size_t>(item)] = static_cast<float>(y);
        items.emplace_back(LayoutText{5, static_cast<int>(y) - 8, std::to_string(item)});
    }
    if (merges.empty()) return layout;

    items.emplace_back(LayoutLine{20, 20, 20, h - 30, kAxisPen});

    const auto span = static_cast<float>(w - 30);
    layout.scale = scaleOf(matrix, merges, span);
    const float pixelsPerDistance = span / layout.scale;
    std::vector<float> y = layout.rowY;
    for (const MergePair& m : merges) {
        float& ya = y[static_cast<std::size_t>(m.first)];
        float& yb = y[static_cast<std::size_t>(m.second)];
        layout.nodes.push_back({ya, yb, pixelsPerDistance * entry(matrix, m)});
        ya = yb = (ya + yb) * 0.5f;
    }

    items.emplace_back(LayoutLine{20, 20, w - 10, 20, kAxisPen});

    layout.distancePerPixel = 1.0f / pixelsPerDistance;
    const float lastX = layout.nodes.back().x;
    if (std::isfinite(lastX)) {
        items.emplace_back(LayoutText{pixel(lastX), 3, formatted("%0.3f", layout.distancePerPixel * lastX)});
        const int xt = pixel(lastX + 20.0f);
        items.emplace_back(LayoutLine{xt, 15, xt, 20, kAxisPen});
    }
    for (std::size_t t = 0; t < std::size(kFixedTicks); ++t) {
        const float xv = span * kFixedTicks[t] / layout.scale;
        items.emplace_back(LayoutText{pixel(xv), 3, kFixedTickTexts[t]});
        const int xt = pixel(xv + 20.0f);
        items.emplace_back(LayoutLine{xt, 15, xt, 20, kAxisPen});
    }

    // Last merge first, so the bars of closer pairs paint over the wider ones.
    for (auto node = layout.nodes.rbegin(); node != layout.nodes.rend(); ++node) {
        const int barWidth = std::isfinite(node->x) ? std::max(0, pixel(node->x)) : 0;
        items.emplace_back(LayoutRect{20, pixel(std::min(node->y1, node->y2)), barWidth,
                                      pixel(std::fabs(node->y1 - node->y2)),
                                      distanceColour(layout.distancePerPixel * node->x), kAxisPen});
    }
    return layout;
}
