// The crystal view driven from the data list: a real OpenGL context, colours
// in the read-back picture, the ten slots, the pivot, and the grid kept in step
// with the view.
#include <GL/gl.h>

#include "crystal_view_support.h"

using namespace gui_test;
using namespace crystal_view_test;

namespace {

// Eleven P1 structures in one 10 Å cell, each a C–C pair (1.5 Å) at its own x.
std::vector<LoadedStructure> elevenPairs() {
    std::vector<LoadedStructure> structures;
    for (int k = 0; k < 11; ++k) {
        const float x = 0.15f + 0.07f * k;
        structures.push_back(cubicStructure("pair" + std::to_string(k), 10, "P 1", {{"C", x, 0.45f, 0.5f}, {"C", x, 0.6f, 0.5f}}));
    }
    return structures;
}

std::array<float, 3> pairAtom(int k) { return {0.15f + 0.07f * k, 0.45f, 0.5f}; }

// Pixels of `colour` where pair k's atom would be, seen through shown structure `seenBy` (same cell).
int pixelsAtPair(const TestGLCanvas& canvas, const CanvasPicture& picture, int seenBy, int k, const RgbColour& colour) {
    const DisplayedStructure* s = canvas.findShown(seenBy);
    float c[3];
    s->fracToCartesian(pairAtom(k)[0], pairAtom(k)[1], pairAtom(k)[2], c);
    return shadedPixels(picture, projected(canvas, *s, {c[0], c[1], c[2]}), 3, colour);
}

}  // namespace

TEST(CrystalView, DrawsWithMesaAndTakesTheFocusOnAClick) {
    FrameUnderTest frame;
    DrawCrystalData* view = frame->crystalWindow();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetTitle(), "Crystal view");
    EXPECT_EQ(view->GetName(), "frame");
    EXPECT_FALSE(view->GetWindowStyleFlag() & wxCLOSE_BOX);
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(view->glCanvas()->GetName(), "TestGLCanvas");

    TestGLCanvas& canvas = readyCanvas(*frame);
    ASSERT_TRUE(canvas.makeCurrent());
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    ASSERT_NE(renderer, nullptr);
    GLint depthBits = 0, doubleBuffered = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_GT(depthBits, 0) << renderer;
    EXPECT_TRUE(doubleBuffered) << renderer;

    const CanvasPicture empty = canvas.snapshot();
    ASSERT_EQ(empty.width, 640);
    ASSERT_EQ(empty.height, 480);
    EXPECT_EQ(differingPixels(empty, CanvasPicture{640, 480, std::vector<unsigned char>(640 * 480 * 3, 255)}, 0), 0)
        << "an empty view is white";

    frame->dataList()->SetFocus();
    mouse(canvas, wxEVT_LEFT_DOWN, 100, 100, {true});
    wxTheApp->Yield(true);
    EXPECT_EQ(wxWindow::FindFocus(), &canvas);
}

TEST(CrystalView, ColoursComeFromTheFirstFreeSlotAndTheEleventhIsRefused) {
    FrameUnderTest frame;
    load(*frame, elevenPairs());
    TestGLCanvas& canvas = readyCanvas(*frame);
    const auto id = [&](int row) { return frame->structures()[row].id(); };

    for (int row : {0, 1, 2}) clickCell(*frame, row, Show);
    const RgbColour expected[] = {kRed, kYellow, kGreen};
    CanvasPicture picture = canvas.snapshot();
    for (int row : {0, 1, 2}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(cell(*frame, row, Show), "TRUE");
        EXPECT_EQ(cellColour(*frame, row, Show), expected[row]);
        EXPECT_GT(atomPixels(canvas, picture, id(row), pairAtom(row)), 5);
    }

    clickCell(*frame, 1, Show);  // hide B
    EXPECT_EQ(cell(*frame, 1, Show), "FALSE");
    EXPECT_EQ(cellColour(*frame, 1, Show), kWhite);
    clickCell(*frame, 3, Show);  // D takes B's yellow, not blue
    EXPECT_EQ(cellColour(*frame, 3, Show), kYellow);
    picture = canvas.snapshot();
    EXPECT_EQ(pixelsAtPair(canvas, picture, id(0), 1, kYellow), 0) << "B is gone from the picture";
    EXPECT_GT(atomPixels(canvas, picture, id(3), pairAtom(3)), 5);
    EXPECT_EQ(canvas.findShown(id(3))->colour, kYellow);

    for (int row = 4; row < 11; ++row) clickCell(*frame, row, Show);
    ASSERT_EQ(canvas.shownStructures().size(), 10u);
    for (int slot = 0; slot < maxDisplayedStructures; ++slot) EXPECT_TRUE(colourSlots().inUse(slot));

    clickCell(*frame, 1, Show);  // the eleventh
    EXPECT_EQ(cell(*frame, 1, Show), "FALSE");
    EXPECT_EQ(cellColour(*frame, 1, Show), kWhite);
    EXPECT_EQ(canvas.shownStructures().size(), 10u);

    const RgbColour freed = cellColour(*frame, 6, Show);
    clickCell(*frame, 6, Show);
    for (int slot = 0; slot < maxDisplayedStructures; ++slot)
        EXPECT_EQ(colourSlots().inUse(slot), !(ColourSlots::colourOf(slot) == freed)) << slot;
    clickCell(*frame, 1, Show);
    EXPECT_EQ(cell(*frame, 1, Show), "TRUE");
    EXPECT_EQ(cellColour(*frame, 1, Show), freed);
    picture = canvas.snapshot();
    for (int row : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) EXPECT_GT(atomPixels(canvas, picture, id(row), pairAtom(row)), 5) << row;
}

TEST(CrystalView, TheFirstShownCellCentreIsThePivot) {
    FrameUnderTest frame;
    load(*frame, {cubicStructure("big", 10, "P 1", {{"C", 0.2f, 0.5f, 0.5f}}),
                  cubicStructure("small", 6, "P 1", {{"C", 0.8f, 0.5f, 0.5f}})});
    TestGLCanvas& canvas = readyCanvas(*frame);
    const int big = frame->structures()[0].id(), small = frame->structures()[1].id();
    EXPECT_EQ(canvas.pivot(), (std::array<float, 3>{0, 0, 0}));

    clickCell(*frame, 1, Show);
    clickCell(*frame, 0, Show);
    EXPECT_EQ(canvas.pivot(), (std::array<float, 3>{3, 3, 3}));
    // Turned a little, so that the pivot matters for where the atoms land.
    mouse(canvas, wxEVT_LEFT_DOWN, 320, 240, {true});
    mouse(canvas, wxEVT_MOTION, 420, 180, {true});
    CanvasPicture picture = canvas.snapshot();
    EXPECT_GT(atomPixels(canvas, picture, big, {0.2f, 0.5f, 0.5f}), 5);
    EXPECT_GT(atomPixels(canvas, picture, small, {0.8f, 0.5f, 0.5f}), 5);

    clickCell(*frame, 1, Show);
    EXPECT_EQ(canvas.pivot(), (std::array<float, 3>{5, 5, 5}));
    picture = canvas.snapshot();
    EXPECT_GT(atomPixels(canvas, picture, big, {0.2f, 0.5f, 0.5f}), 5);
}

TEST(CrystalView, TheDataListStaysInStepWithTheViewAcrossLoads) {
    FrameUnderTest frame;
    load(*frame, {cubicStructure("a", 10, "P 1", {{"C", 0.2f, 0.5f, 0.5f}}),
                  cubicStructure("b", 10, "P 1", {{"C", 0.5f, 0.5f, 0.5f}}),
                  cubicStructure("c", 10, "P 1", {{"C", 0.8f, 0.5f, 0.5f}})});
    TestGLCanvas& canvas = readyCanvas(*frame);

    clickCell(*frame, 0, Compute);
    EXPECT_EQ(cell(*frame, 0, Compute), "FALSE");
    clickCell(*frame, 0, Compute);
    EXPECT_EQ(cell(*frame, 0, Compute), "TRUE");

    clickCell(*frame, 2, Move);
    clickCell(*frame, 0, Move);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(cell(*frame, row, Move), row == 0 ? "TRUE" : "FALSE") << row;

    clickCell(*frame, 1, Show);
    clickCell(*frame, 1, Move);
    load(*frame, {cubicStructure("d", 10, "P 1", {{"C", 0.5f, 0.2f, 0.5f}})});
    ASSERT_EQ(frame->dataList()->GetNumberRows(), 4);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(cell(*frame, row, Show), row == 1 ? "TRUE" : "FALSE");
        EXPECT_EQ(cellColour(*frame, row, Show), row == 1 ? kRed : kWhite);
        EXPECT_EQ(cell(*frame, row, Move), row == 1 ? "TRUE" : "FALSE");
    }
    EXPECT_TRUE(canvas.findShown(frame->structures()[1].id())->active);

    clickCell(*frame, 1, Show);  // hides the one copy there is
    EXPECT_TRUE(canvas.shownStructures().empty());
    for (int slot = 0; slot < maxDisplayedStructures; ++slot) EXPECT_FALSE(colourSlots().inUse(slot));
}

TEST(CrystalView, AMoleculeCrossingACellFaceIsDrawnWhole) {
    FrameUnderTest frame;
    // C–C 1.2 Å across the face x = 1; the centroid at x = 1.01 brings both back by −1.
    load(*frame, {cubicStructure("across", 10, "P 1", {{"C", 0.95f, 0.5f, 0.5f}, {"C", 1.07f, 0.5f, 0.5f}})});
    TestGLCanvas& canvas = readyCanvas(*frame);
    clickCell(*frame, 0, Show);
    const int id = frame->structures()[0].id();
    const CanvasPicture picture = canvas.snapshot();
    EXPECT_GT(atomPixels(canvas, picture, id, {-0.05f, 0.5f, 0.5f}), 5) << "outside the box";
    EXPECT_GT(atomPixels(canvas, picture, id, {0.07f, 0.5f, 0.5f}), 5);
    EXPECT_GT(atomPixels(canvas, picture, id, {0.01f, 0.5f, 0.5f}), 3) << "the bond";
    EXPECT_EQ(atomPixels(canvas, picture, id, {0.95f, 0.5f, 0.5f}), 0) << "not split across the face";
}

TEST(CrystalView, ABondAlongMinusZIsDrawnAlongItsOwnDirection) {
    FrameUnderTest frame;
    // A bond runs from its second atom towards its first, in list order: here along −z.
    load(*frame, {cubicStructure("down", 10, "P 1", {{"C", 0.5f, 0.5f, 0.45f}, {"C", 0.5f, 0.5f, 0.6f}})});
    TestGLCanvas& canvas = readyCanvas(*frame);
    clickCell(*frame, 0, Show);
    clickCell(*frame, 0, Move);
    for (int i = 0; i < 180; ++i) key(canvas, WXK_LEFT, true);  // −90° about x: the bond now runs up the screen
    const int id = frame->structures()[0].id();
    const CanvasPicture picture = canvas.snapshot();
    for (float z : {0.6f, 0.525f, 0.45f}) EXPECT_GT(atomPixels(canvas, picture, id, {0.5f, 0.5f, z}), 3) << z;
    EXPECT_EQ(atomPixels(canvas, picture, id, {0.5f, 0.5f, 0.7f}), 0) << "nothing beyond the second atom";
}

TEST(CrystalView, ACanvasWithoutHeightDrawsWithoutDividingByZero) {
    FrameUnderTest frame;
    load(*frame, {cubicStructure("a", 10, "P 1", {{"C", 0.2f, 0.5f, 0.5f}})});
    TestGLCanvas& canvas = readyCanvas(*frame);
    clickCell(*frame, 0, Show);
    frame->crystalWindow()->SetClientSize(wxSize(640, 0));
    for (int i = 0; i < 20; ++i) wxTheApp->Yield(true);
    canvas.render();
    mouse(canvas, wxEVT_LEFT_DOWN, 0, 0, {true});
    mouse(canvas, wxEVT_MOTION, 5, 0, {true});
    const CameraState camera = canvas.camera();
    for (float element : camera.transform) EXPECT_TRUE(std::isfinite(element));
}
