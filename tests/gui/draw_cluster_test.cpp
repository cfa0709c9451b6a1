// The cluster window's drawing, read back from a bitmap: bars where the
// dendrogram puts them, in the colours of their distances.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "gui_test_support.h"

using namespace gui_test;

namespace {

struct Pixel {
    int red, green, blue;
    bool operator==(const Pixel& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "(" << p.red << ", " << p.green << ", " << p.blue << ")";
}

const Pixel kWhite{255, 255, 255};
const Pixel kFar{150, 50, 50};    // 0.15 and beyond
const Pixel kClose{50, 150, 50};  // below 0.02

class Drawing {
public:
    Drawing(const DrawCluster& window, int width, int height) {
        wxBitmap bitmap(width, height, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxBLUE_BRUSH);  // anything the diagram leaves unpainted shows
            dc.Clear();
            window.drawDiagram(dc, wxSize(width, height));
        }
        image_ = bitmap.ConvertToImage();
    }

    Pixel at(int x, int y) const { return {image_.GetRed(x, y), image_.GetGreen(x, y), image_.GetBlue(x, y)}; }

    // The x of the last pixel in row y, left of `from`, that is not white.
    int lastInkLeftOf(int from, int y) const {
        for (int x = from; x >= 0; --x)
            if (!(at(x, y) == kWhite)) return x;
        return -1;
    }

    bool anyInk(int left, int top, int right, int bottom) const {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                if (!(at(x, y) == kWhite)) return true;
        return false;
    }

private:
    wxImage image_;
};

// Three structures: 0 and 1 nearly alike, 2 far from both.
const SimilarityMatrix kThree = {{0.0f, 0.01f, 0.1f}, {0.01f, 0.0f, 0.2f}, {0.1f, 0.2f, 0.0f}};

}  // namespace

TEST(DrawCluster, ThreeStructuresDrawTwoBarsInTheirDistanceColours) {
    DrawCluster* window = new DrawCluster(nullptr, "FingerPrint similarity", wxDefaultPosition, wxSize(400, 300), kThree);
    ASSERT_EQ(window->mergePairs().size(), 2u);
    EXPECT_EQ(window->mergePairs()[0], (MergePair{0, 1}));
    EXPECT_EQ(window->mergePairs()[1], (MergePair{1, 2}));
    EXPECT_EQ(window->GetTitle(), "FingerPrint similarity");
    EXPECT_EQ(window->GetName(), "frame");
    EXPECT_TRUE(window->IsShown());

    for (const wxSize size : {wxSize(400, 300), wxSize(640, 480)}) {
        SCOPED_TRACE(testing::Message() << size.x << " x " << size.y);
        const int w = size.x, h = size.y;
        const Drawing drawing(*window, w, h);
        // Rows in leaf order 0, 1, 2; the (0, 1) cluster then sits between rows 0 and 1.
        const int row0 = 30, row1 = (h - 30) / 3 + 30, row2 = 2 * (h - 30) / 3 + 30;
        const int joined = (row0 + row1) / 2;
        const int farWidth = w - 30;                                  // the last merge spans the plot
        const int closeWidth = static_cast<int>((w - 30) * 0.05f);  // 0.01 of a 0.2 scale

        EXPECT_EQ(drawing.at(2, 2), kWhite);  // the frame's white inside
        const int farRow = (joined + row2) / 2 + 5;
        EXPECT_EQ(drawing.at(w / 2, farRow), kFar);
        EXPECT_NEAR(drawing.lastInkLeftOf(w - 4, farRow), 20 + farWidth, 1);
        const int closeRow = row0 + 5;
        EXPECT_EQ(drawing.at(20 + closeWidth / 2, closeRow), kClose);
        EXPECT_NEAR(drawing.lastInkLeftOf(w - 4, closeRow), 20 + closeWidth, 1);
        // The closer pair's bar is drawn last, over the far one where they overlap.
        EXPECT_EQ(drawing.at(20 + closeWidth / 2, (joined + row1) / 2), kClose);
        // Row labels on the left, the distance axis along the top.
        EXPECT_TRUE(drawing.anyInk(3, row0 - 8, 17, row0 + 4));
        EXPECT_TRUE(drawing.anyInk(3, row2 - 8, 17, row2 + 4));
        EXPECT_FALSE(drawing.anyInk(3, row2 + 12, 17, h - 3));
        EXPECT_EQ(drawing.at(w / 2, 20), (Pixel{0, 0, 0}));
    }
    window->Destroy();
    deleteClosedWindows();
}

TEST(DrawCluster, FewerThanTwoStructuresDrawWithoutBars) {
    const struct {
        const char* what;
        SimilarityMatrix matrix;
    } cases[] = {{"none", {}}, {"one", {{0.0f}}}, {"one, not a number", {{std::nanf("")}}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DrawCluster* window = new DrawCluster(nullptr, "Histogram similarity", wxDefaultPosition, wxSize(400, 300),
                                              c.matrix);
        EXPECT_TRUE(window->mergePairs().empty());
        const Drawing drawing(*window, 400, 300);
        EXPECT_EQ(drawing.at(200, 150), kWhite);
        EXPECT_FALSE(drawing.anyInk(20, 25, 396, 296));  // no axis, no bar
        EXPECT_EQ(drawing.anyInk(3, 20, 17, 40), !c.matrix.empty());  // the one row's label
        window->Refresh();
        window->Update();  // the window's own paint
        window->Destroy();
    }
    deleteClosedWindows();
}
