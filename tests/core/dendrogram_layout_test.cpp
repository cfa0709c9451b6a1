// Dendrogram layout and its SVG: rows, bars, ticks and colours on known
// matrices, the drawing order, degenerate input, and the SVG document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "similarity/clustering.h"
#include "symmetric_matrix.h"
#include "similarity/dendrogram_layout.h"
#include "similarity/dendrogram_svg.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

DendrogramLayout laidOut(const SimilarityMatrix& m, int w, int h) {
    return layoutDendrogram(m, clusterMatrix(m).merges, w, h);
}

std::string describe(const LayoutItem& item) {
    if (const auto* r = std::get_if<LayoutRect>(&item))
        return "rect " + std::to_string(r->left) + " " + std::to_string(r->top) + " " + std::to_string(r->width) + " " +
               std::to_string(r->height) + " fill " + std::to_string(r->fill.red) + "," +
               std::to_string(r->fill.green) + "," + std::to_string(r->fill.blue) + " pen " +
               std::to_string(r->penWidth);
    if (const auto* l = std::get_if<LayoutLine>(&item))
        return "line " + std::to_string(l->x1) + " " + std::to_string(l->y1) + " " + std::to_string(l->x2) + " " +
               std::to_string(l->y2) + " pen " + std::to_string(l->penWidth);
    const auto& t = std::get<LayoutText>(item);
    return "text " + std::to_string(t.x) + " " + std::to_string(t.y) + " " + t.text;
}

std::vector<std::string> describe(const DendrogramLayout& layout) {
    std::vector<std::string> lines;
    for (const LayoutItem& item : layout.items) lines.push_back(describe(item));
    return lines;
}

std::vector<LayoutRect> bars(const DendrogramLayout& layout) {
    std::vector<LayoutRect> found;
    for (std::size_t i = 1; i < layout.items.size(); ++i)
        if (const auto* r = std::get_if<LayoutRect>(&layout.items[i])) found.push_back(*r);
    return found;
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(Dendrogram, ThreeStructuresItemByItem) {
    // (0,1) merges at 0.01, then (1,2) at a working 0.15; G is the matrix's 0.2.
    const SimilarityMatrix m = symmetric(3, {0.01f, 0.1f, 0.2f});
    const DendrogramLayout layout = laidOut(m, 400, 300);
    EXPECT_EQ(layout.leafOrder, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(layout.rowY, (std::vector<float>{30.0f, 120.0f, 210.0f}));
    EXPECT_FLOAT_EQ(layout.scale, 0.2f);
    EXPECT_FLOAT_EQ(layout.distancePerPixel, 0.2f / 370.0f);
    ASSERT_EQ(layout.nodes.size(), 2u);
    EXPECT_EQ(layout.nodes[0].y1, 30.0f);
    EXPECT_EQ(layout.nodes[0].y2, 120.0f);
    EXPECT_FLOAT_EQ(layout.nodes[0].x, 18.5f);
    EXPECT_EQ(layout.nodes[1].y1, 75.0f);  // the (0,1) cluster sits between its rows
    EXPECT_EQ(layout.nodes[1].y2, 210.0f);
    EXPECT_FLOAT_EQ(layout.nodes[1].x, 370.0f);
    EXPECT_EQ(describe(layout), (std::vector<std::string>{
                                    "rect 0 0 400 300 fill 255,255,255 pen 1",
                                    "text 5 22 0",
                                    "text 5 112 1",
                                    "text 5 202 2",
                                    "line 20 20 20 270 pen 2",
                                    "line 20 20 390 20 pen 2",
                                    "text 370 3 0.200",
                                    "line 390 15 390 20 pen 2",
                                    "text 92 3 0.05",
                                    "line 112 15 112 20 pen 2",
                                    "text 138 3 0.075",
                                    "line 158 15 158 20 pen 2",
                                    "text 185 3 0.1",
                                    "line 205 15 205 20 pen 2",
                                    "text 277 3 0.15",
                                    "line 297 15 297 20 pen 2",
                                    "rect 20 75 370 135 fill 150,50,50 pen 2",
                                    "rect 20 30 18 90 fill 50,150,50 pen 2",
                                }));
}

TEST(Dendrogram, TwoStructuresFillThePlot) {
    const struct {
        int w, h;
        float distance;
        Rgb colour;
    } cases[] = {
        {400, 300, 0.1f, {255, 50, 50}},  {250, 500, 0.01f, {50, 150, 50}},
        {1000, 61, 0.3f, {150, 50, 50}}, {120, 120, 0.06f, {200, 255, 50}},
    };
    for (const auto& c : cases) {
        const DendrogramLayout layout = laidOut(symmetric(2, {c.distance}), c.w, c.h);
        const std::string where = std::to_string(c.w) + "x" + std::to_string(c.h);
        EXPECT_EQ(layout.rowY, (std::vector<float>{30.0f, static_cast<float>((c.h - 30) / 2 + 30)})) << where;
        const std::vector<LayoutRect> drawn = bars(layout);
        ASSERT_EQ(drawn.size(), 1u) << where;
        EXPECT_EQ(drawn[0].left, 20) << where;
        EXPECT_EQ(drawn[0].top, 30) << where;
        EXPECT_EQ(drawn[0].width, c.w - 30) << where;
        EXPECT_EQ(drawn[0].height, (c.h - 30) / 2) << where;
        EXPECT_EQ(drawn[0].fill, c.colour) << where;
    }
}

// Tick positions are computed in single precision, which several of these
// depend on: in double, 0.07 at 800 wide would put the 0.05 tick at 549.
TEST(Dendrogram, FixedTicksFollowTheScale) {
    const struct {
        int w;
        float g;
        int textX[4];  // of 0.05, 0.075, 0.1, 0.15; each tick is 20 further right
    } cases[] = {
        {400, 0.1f, {185, 277, 370, 555}},
        {800, 0.07f, {550, 825, 1100, 1650}},
        {1024, 0.15f, {331, 497, 662, 994}},
    };
    const char* labels[] = {"0.05", "0.075", "0.1", "0.15"};
    for (const auto& c : cases) {
        const std::vector<std::string> lines = describe(laidOut(symmetric(2, {c.g}), c.w, 300));
        for (int t = 0; t < 4; ++t) {
            const std::string text = "text " + std::to_string(c.textX[t]) + " 3 " + labels[t];
            const auto at = std::find(lines.begin(), lines.end(), text);
            ASSERT_NE(at, lines.end()) << c.w << " " << c.g << ": " << text;
            const int xt = c.textX[t] + 20;
            EXPECT_EQ(*(at + 1), "line " + std::to_string(xt) + " 15 " + std::to_string(xt) + " 20 pen 2");
        }
    }
}

TEST(Dendrogram, LeafOrderWalksTheMerges) {
    const struct {
        const char* name;
        std::size_t n;
        std::vector<MergePair> merges;
        std::vector<int> order;
    } cases[] = {
        {"chain", 4, {{0, 1}, {1, 2}, {2, 3}}, {0, 1, 2, 3}},
        {"a later merge links an earlier one", 4, {{0, 1}, {2, 3}, {1, 3}}, {0, 1, 3, 2}},
        {"the search restarts from the second merge", 4, {{2, 3}, {0, 1}, {1, 3}}, {2, 3, 1, 0}},
        {"the surviving index is found as well as the dead one", 5, {{3, 4}, {1, 4}, {0, 2}, {2, 4}}, {3, 4, 1, 2, 0}},
        {"a forest: unjoined rows start new runs", 5, {{3, 4}, {0, 2}}, {3, 4, 0, 2, 1}},
        {"no merges", 3, {}, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        const SimilarityMatrix m(c.n, std::vector<float>(c.n, 0.1f));
        EXPECT_EQ(layoutDendrogram(m, c.merges, 400, 300).leafOrder, c.order) << c.name;
    }
}

TEST(Dendrogram, RejectsMergesThatAreNoTree) {
    const SimilarityMatrix m(3, std::vector<float>(3, 0.1f));
    const std::vector<MergePair> cases[] = {{{0, 3}}, {{-1, 2}}, {{1, 1}}, {{0, 1}, {0, 1}}, {{0, 1}, {1, 2}, {0, 2}}};
    for (const auto& merges : cases) EXPECT_THROW(layoutDendrogram(m, merges, 400, 300), std::invalid_argument);
    EXPECT_THROW(layoutDendrogram({{0.0f, 0.1f}, {0.1f}}, {}, 400, 300), std::invalid_argument);
}

TEST(Dendrogram, DistanceColourSteps) {
    const struct {
        float d;
        Rgb colour;
    } cases[] = {
        {-1.0f, {50, 150, 50}},     {0.0f, {50, 150, 50}},    {0.0199f, {50, 150, 50}}, {0.02f, {50, 200, 50}},
        {0.0499f, {50, 200, 50}},   {0.05f, {200, 255, 50}},  {0.0749f, {200, 255, 50}}, {0.075f, {255, 200, 20}},
        {0.0999f, {255, 200, 20}},  {0.1f, {255, 50, 50}},    {0.1499f, {255, 50, 50}}, {0.15f, {150, 50, 50}},
        {7.0f, {150, 50, 50}},      {kInf, {150, 50, 50}},    {kNaN, {150, 50, 50}},
    };
    for (const auto& c : cases) EXPECT_EQ(distanceColour(c.d), c.colour) << c.d;
}

// Nothing may divide by zero or carry NaN or infinity into a pixel position.
TEST(Dendrogram, DegenerateInputStaysFinite) {
    const struct {
        const char* name;
        SimilarityMatrix matrix;
        std::optional<std::vector<MergePair>> merges;  // clusterMatrix's when absent
        int w, h;
        int expectWidth, expectHeight;
        float scale;        // 0: no merges, no scale
        std::size_t texts;  // labels, plus the scale label and four ticks when there are merges
    } cases[] = {
        {"no structures", {}, {}, 400, 300, 400, 300, 0.0f, 0},
        {"one structure", {{0.0f}}, {}, 400, 300, 400, 300, 0.0f, 1},
        {"structures but no merges", symmetric(3, {0.1f, 0.2f, 0.3f}), std::vector<MergePair>{}, 400, 300, 400, 300,
         0.0f, 3},
        {"identical structures: scale falls back to the last colour step", symmetric(3, {0.0f, 0.0f, 0.0f}), {}, 400,
         300, 400, 300, 0.15f, 8},
        {"last merge NaN: the largest finite merged entry", symmetric(3, {0.05f, kNaN, kNaN}), {}, 400, 300, 400, 300,
         0.05f, 7},
        {"last merge infinite", symmetric(3, {0.05f, kInf, kInf}), {}, 400, 300, 400, 300, 0.05f, 7},
        {"everything NaN", symmetric(3, {kNaN, kNaN, kNaN}), {}, 400, 300, 400, 300, 0.15f, 7},
        {"scale too small to divide by", symmetric(2, {1.0e-38f}), {}, 400, 300, 400, 300, 0.15f, 7},
        {"an entry far beyond the scale", symmetric(3, {1.0e30f, 0.5f, 1.0e-3f}),
         std::vector<MergePair>{{0, 1}, {1, 2}}, 400, 300, 400, 300, 1.0e-3f, 8},
        {"negative entries", symmetric(3, {-0.5f, 0.2f, 0.1f}), {}, 400, 300, 400, 300, 0.1f, 8},
        {"empty surface", symmetric(3, {0.01f, 0.1f, 0.2f}), {}, 0, 0, 60, 60, 0.2f, 8},
        {"negative surface", symmetric(2, {0.1f}), {}, -5, 10, 60, 60, 0.1f, 7},
    };
    for (const auto& c : cases) {
        const std::vector<MergePair> merges = c.merges ? *c.merges : clusterMatrix(c.matrix).merges;
        const DendrogramLayout layout = layoutDendrogram(c.matrix, merges, c.w, c.h);
        EXPECT_EQ(layout.width, c.expectWidth) << c.name;
        EXPECT_EQ(layout.height, c.expectHeight) << c.name;
        EXPECT_FLOAT_EQ(layout.scale, c.scale) << c.name;
        EXPECT_EQ(layout.leafOrder.size(), c.matrix.size()) << c.name;
        if (!merges.empty()) {
            EXPECT_TRUE(std::isfinite(layout.distancePerPixel) && layout.distancePerPixel > 0.0f) << c.name;
        }
        ASSERT_FALSE(layout.items.empty()) << c.name;
        EXPECT_EQ(describe(layout.items[0]), "rect 0 0 " + std::to_string(c.expectWidth) + " " +
                                                 std::to_string(c.expectHeight) + " fill 255,255,255 pen 1")
            << c.name;
        std::size_t texts = 0;
        for (const LayoutItem& item : layout.items) {
            const std::string d = describe(item);
            if (const auto* t = std::get_if<LayoutText>(&item)) {
                ++texts;
                EXPECT_EQ(t->text.find_first_of("ni"), std::string::npos) << c.name << ": " << d;  // nan, inf
            }
            if (const auto* r = std::get_if<LayoutRect>(&item)) {
                EXPECT_GE(r->width, 0) << c.name << ": " << d;
                EXPECT_GE(r->height, 0) << c.name << ": " << d;
                EXPECT_LE(r->width, 1000000) << c.name << ": " << d;
            }
        }
        EXPECT_EQ(texts, c.texts) << c.name;
        EXPECT_EQ(bars(layout).size(), merges.size()) << c.name;
    }
}

TEST(Dendrogram, NaNMergeDrawsAZeroWidthFarBar) {
    const DendrogramLayout layout = laidOut(symmetric(3, {0.05f, kNaN, kNaN}), 400, 300);
    const std::vector<LayoutRect> drawn = bars(layout);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].width, 0);  // the last merge, whose entry is NaN
    EXPECT_EQ(drawn[0].fill, (Rgb{150, 50, 50}));
    EXPECT_EQ(drawn[1].width, 370);  // the finite merge became the scale
}

TEST(Dendrogram, SvgDocument) {
    const DendrogramLayout layout = laidOut(symmetric(3, {0.01f, 0.1f, 0.2f}), 400, 300);
    const std::string svg = dendrogramSvg(layout, "Form <I> & \"II\" 'b'\x01 caf\xc3\xa9 \xff");
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(svg.find("width=\"400\" height=\"300\" viewBox=\"0 0 400 300\""), std::string::npos);
    // The control character and the stray byte become U+FFFD; the valid UTF-8 stays.
    EXPECT_NE(svg.find("<title>Form &lt;I&gt; &amp; &quot;II&quot; &apos;b&apos;\xEF\xBF\xBD caf\xc3\xa9 "
                       "\xEF\xBF\xBD</title>"),
              std::string::npos);
    EXPECT_EQ(count(svg, "<rect "), 3u);  // the frame and one per bar
    EXPECT_EQ(count(svg, "<line "), 7u);
    EXPECT_EQ(count(svg, "<text "), 8u);
    EXPECT_NE(svg.find("<rect x=\"20\" y=\"30\" width=\"18\" height=\"90\" fill=\"rgb(50,150,50)\" stroke=\"black\" "
                       "stroke-width=\"2\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<text x=\"92\" y=\"3\" dominant-baseline=\"hanging\">0.05</text>"), std::string::npos);

    // Tags nest and close; no stray markup characters outside them.
    std::vector<std::string> open;
    for (std::size_t at = 0; at < svg.size();) {
        const std::size_t lt = svg.find('<', at);
        const std::string between = svg.substr(at, lt == std::string::npos ? std::string::npos : lt - at);
        EXPECT_EQ(between.find('>'), std::string::npos) << between;
        for (std::size_t amp = between.find('&'); amp != std::string::npos; amp = between.find('&', amp + 1))
            EXPECT_NE(between.find(';', amp), std::string::npos) << between;
        if (lt == std::string::npos) break;
        const std::size_t gt = svg.find('>', lt);
        ASSERT_NE(gt, std::string::npos);
        const std::string tag = svg.substr(lt + 1, gt - lt - 1);
        at = gt + 1;
        if (tag[0] == '?' || tag.back() == '/') continue;  // declaration, empty element
        const bool closing = tag[0] == '/';
        const std::size_t from = closing ? 1 : 0;
        const std::string name = tag.substr(from, tag.find_first_of(" /", from + 1) - from);
        if (closing) {
            ASSERT_FALSE(open.empty()) << tag;
            EXPECT_EQ(open.back(), name);
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    EXPECT_TRUE(open.empty());
    EXPECT_EQ(count(svg, "<svg "), 1u);
    EXPECT_EQ(count(svg, "<title>"), 1u);
}
