#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "similarity/clustering.h"
#include "similarity/similarity_matrix.h"

// Where everything of a dendrogram goes on a paint surface, as plain data in
// drawing order. A window and an SVG writer replay the same items, so what
// the user sees on screen and in a saved picture cannot drift apart.
//
// Rows run down the left edge (one per structure, labelled with its index);
// the distance axis runs right along the top; each merge is a filled bar from
// the axis to the distance of the merged pair, as tall as the span between
// the rows it joins, coloured by that distance.

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline bool operator==(Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
inline bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// The colour of a bar at distance d: dark green for near-identical structures
// through yellow and orange to dark red; NaN counts as far.
Rgb distanceColour(float d);

// A rectangle with a black outline of penWidth pixels, filled with fill.
struct LayoutRect {
    int left;
    int top;
    int width;
    int height;
    Rgb fill;
    int penWidth;
};

// A black line penWidth pixels wide.
struct LayoutLine {
    int x1;
    int y1;
    int x2;
    int y2;
    int penWidth;
};

// Black text with its top-left corner at (x, y), in the painter's small font.
struct LayoutText {
    int x;
    int y;
    std::string text;
};

using LayoutItem = std::variant<LayoutRect, LayoutLine, LayoutText>;

// One merge as drawn: the rows it joins and the bar's length in pixels.
// x is the plain product of the scale and the matrix entry, so it is NaN or
// infinite when that entry is; the bar drawn for it then has width 0.
struct DendrogramNode {
    float y1;
    float y2;
    float x;
};

struct DendrogramLayout {
    int width = 0;                 // of the surface laid out (see layoutDendrogram)
    int height = 0;
    std::vector<LayoutItem> items;  // drawing order; the first is the frame
    std::vector<int> leafOrder;     // structure index of each row, top to bottom
    std::vector<float> rowY;        // rowY[structure]: y of its row
    std::vector<DendrogramNode> nodes;  // one per merge, in merge order
    float scale = 0.0f;             // the distance that spans width - 30 pixels
    float distancePerPixel = 0.0f;
};

// Lays out the dendrogram of merges (as clusterMatrix makes them) over the
// matrix they came from, on a surface of width x height pixels. Bar lengths
// use the matrix entries of the merged pairs, scaled so that the last merge's
// entry spans width - 30 pixels.
//
// Cases without a sensible picture still give a finite one:
//  - No merges (fewer than two structures): the frame and the row labels only.
//  - A surface smaller than 60 x 60 (0 included) is laid out as 60 x 60, and
//    width and height say so; the painter clips. Below that the plot span
//    width - 30 would be zero or negative and the scale meaningless.
//  - When the last merge's entry is not a usable scale (0, negative, NaN,
//    infinite, or so small that the pixels per distance overflow), the largest
//    usable entry of any merged pair is the scale instead, so the bars that can
//    be drawn still fill the plot; when none is usable (all merged pairs
//    identical, say) the scale is 0.15, the last colour step, so the fixed
//    ticks still spread over the axis.
//  - A merged pair whose entry is NaN or infinite gets a bar of width 0
//    coloured as far; negative entries give width 0 too. The scale label is
//    left out when the last node's x is not finite, having nothing to show.
//  - Every pixel coordinate is clamped to +-1,000,000, far outside any surface,
//    so absurd entries cannot overflow an int.
//  - Merges that leave some structures unjoined (a forest) still place every
//    row: when no remaining merge touches the rows placed so far, the lowest
//    unplaced index starts a new run.
// Throws std::invalid_argument for a matrix that is not square or merges that
// name an index outside it, join an index to itself or close a cycle.
DendrogramLayout layoutDendrogram(const SimilarityMatrix& matrix, const std::vector<MergePair>& merges, int width,
                                  int height);
