// The crystal view's mouse and keyboard: the camera turns, pans and zooms the
// whole scene; the keys shift or turn the active structure only.
#include "crystal_view_support.h"

using namespace gui_test;
using namespace crystal_view_test;

namespace {

class CrystalViewInput : public testing::Test {
protected:
    void SetUp() override {
        load(*frame, {cubicStructure("a", 10, "P 1", {{"C", 0.3f, 0.5f, 0.5f}}),
                      cubicStructure("b", 8, "P 1", {{"C", 0.6f, 0.5f, 0.5f}}),
                      cubicStructure("c", 10, "P 1", {{"C", 0.5f, 0.3f, 0.5f}})});
        canvas = &readyCanvas(*frame);
        clickCell(*frame, 0, Show);
        clickCell(*frame, 1, Show);
    }
    int id(int row) const { return frame->structures()[row].id(); }
    const DisplayedStructure& shown(int row) const { return *canvas->findShown(id(row)); }

    FrameUnderTest frame;
    TestGLCanvas* canvas = nullptr;
};

struct KeyCase {
    int code;
    bool shift;
    std::array<float, 3> shiftChange, angleChange;
};

}  // namespace

TEST_F(CrystalViewInput, KeysMoveOrTurnOnlyTheActiveStructure) {
    clickCell(*frame, 1, Move);
    const KeyCase cases[] = {
        {WXK_LEFT, false, {-0.01f, 0, 0}, {}}, {WXK_RIGHT, false, {0.01f, 0, 0}, {}},
        {WXK_UP, false, {0, 0.01f, 0}, {}},    {WXK_DOWN, false, {0, -0.01f, 0}, {}},
        {'I', false, {0, 0, 0.01f}, {}},       {'O', false, {0, 0, -0.01f}, {}},
        {WXK_LEFT, true, {}, {-0.5f, 0, 0}},   {WXK_RIGHT, true, {}, {0.5f, 0, 0}},
        {WXK_UP, true, {}, {0, 0.5f, 0}},      {WXK_DOWN, true, {}, {0, -0.5f, 0}},
        {'I', true, {}, {0, 0, 0.5f}},         {'O', true, {}, {0, 0, -0.5f}},
        {'X', false, {}, {}},                  {WXK_SPACE, true, {}, {}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.code << (c.shift ? " with Shift" : ""));
        const ViewOffsets before = shown(1);
        const unsigned long passes = canvas->renderPasses();
        key(*canvas, c.code, c.shift);
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_FLOAT_EQ(shown(1).shift[axis], before.shift[axis] + c.shiftChange[axis]);
            EXPECT_FLOAT_EQ(shown(1).rotationAngles[axis], before.rotationAngles[axis] + c.angleChange[axis]);
        }
        EXPECT_EQ(canvas->renderPasses(), passes + 1);
    }
    EXPECT_EQ(shown(0).shift, (std::array<float, 3>{}));
    EXPECT_EQ(shown(0).rotationAngles, (std::array<float, 3>{}));

    // Far enough to see in the picture: 0.3 of b's cell along x, and 30° about z.
    for (int i = 0; i < 30; ++i) key(*canvas, WXK_RIGHT);
    for (int i = 0; i < 60; ++i) key(*canvas, 'I', true);
    CanvasPicture picture = canvas->snapshot();
    EXPECT_GT(atomPixels(*canvas, picture, id(1), {0.6f, 0.5f, 0.5f}), 5);
    EXPECT_GT(atomPixels(*canvas, picture, id(0), {0.3f, 0.5f, 0.5f}), 5);

    key(*canvas, 'R');
    EXPECT_EQ(shown(1).shift, (std::array<float, 3>{}));
    EXPECT_EQ(shown(1).rotationAngles, (std::array<float, 3>{}));
}

TEST_F(CrystalViewInput, WithoutAnActiveShownStructureKeysOnlyRedraw) {
    clickCell(*frame, 2, Move);  // marked, but not shown
    const CanvasPicture before = canvas->snapshot();
    for (int code : {int(WXK_LEFT), int(WXK_UP), int('I'), int('R')}) {
        const unsigned long passes = canvas->renderPasses();
        key(*canvas, code);
        key(*canvas, code, true);
        EXPECT_EQ(canvas->renderPasses(), passes + 2);
    }
    for (int row : {0, 1}) {
        EXPECT_EQ(shown(row).shift, (std::array<float, 3>{}));
        EXPECT_EQ(shown(row).rotationAngles, (std::array<float, 3>{}));
    }
    EXPECT_EQ(differingPixels(before, canvas->snapshot(), 0), 0);

    // Shown after it was marked: inactive until its "Move" cell is clicked again.
    clickCell(*frame, 2, Show);
    key(*canvas, WXK_RIGHT);
    EXPECT_EQ(shown(2).shift[0], 0.0f);
    clickCell(*frame, 2, Move);
    key(*canvas, WXK_RIGHT);
    EXPECT_FLOAT_EQ(shown(2).shift[0], 0.01f);

    // Hiding the active structure leaves none active.
    clickCell(*frame, 2, Show);
    key(*canvas, WXK_RIGHT);
    for (int row : {0, 1}) EXPECT_EQ(shown(row).shift[0], 0.0f);
}

TEST_F(CrystalViewInput, TheLeftButtonTurnsTheSceneWithTheTrackball) {
    const CanvasPicture still = canvas->snapshot();
    mouse(*canvas, wxEVT_LEFT_DOWN, 320, 240, {true});
    EXPECT_EQ(canvas->camera().transform, identityTransform()) << "a press alone turns nothing";
    mouse(*canvas, wxEVT_MOTION, 400, 200, {true});
    mouse(*canvas, wxEVT_MOTION, 420, 180, {true});

    // The same drag on the pure trackball: every position measured from the press.
    Trackball expected;
    expected.setBounds(640, 480);
    expected.press(320, 240);
    Transform4 transform = identityTransform();
    setRotation(transform, compose(rotationOf(expected.dragTo(420, 180)), identityRotation()));
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(canvas->camera().transform[i], transform[i], 1e-6) << i;
    EXPECT_GT(differingPixels(still, canvas->snapshot()), 100);

    // A second drag starts from where the first left the scene.
    mouse(*canvas, wxEVT_LEFT_UP, 420, 180);
    mouse(*canvas, wxEVT_LEFT_DOWN, 100, 100, {true});
    mouse(*canvas, wxEVT_MOTION, 100, 160, {true});
    expected.press(100, 100);
    Rotation3 first{};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) first[i + 3 * j] = transform[i + 4 * j];
    setRotation(transform, compose(rotationOf(expected.dragTo(100, 160)), first));
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(canvas->camera().transform[i], transform[i], 1e-5) << i;

    // The right button alone, and a bare motion, change nothing but still redraw.
    const CameraState before = canvas->camera();
    const unsigned long passes = canvas->renderPasses();
    mouse(*canvas, wxEVT_RIGHT_DOWN, 200, 200, {false, false, true});
    mouse(*canvas, wxEVT_MOTION, 260, 150, {false, false, true});
    mouse(*canvas, wxEVT_MOTION, 300, 300);
    EXPECT_EQ(canvas->camera().transform, before.transform);
    EXPECT_EQ(canvas->renderPasses(), passes + 3);
}

TEST_F(CrystalViewInput, TheMiddleButtonPansAndTheWheelZooms) {
    const CameraState start = canvas->camera();
    EXPECT_EQ(start.zoom, -30.0f);
    mouse(*canvas, wxEVT_LEFT_DOWN, 100, 100, {true});  // where the middle drag is measured from
    mouse(*canvas, wxEVT_LEFT_UP, 100, 100);
    struct Step {
        int x, y;
        float panX, panY;
    };
    // One step per event whatever the distance; up is 0.12, the other ways 0.1.
    const Step steps[] = {{150, 100, 0.1f, 0}, {400, 100, 0.2f, 0}, {400, 90, 0.2f, 0.12f},
                          {300, 300, 0.1f, 0.02f}, {300, 300, 0.1f, 0.02f}};
    for (const Step& s : steps) {
        mouse(*canvas, wxEVT_MOTION, s.x, s.y, {false, true});
        EXPECT_NEAR(canvas->camera().panX, s.panX, 1e-6) << s.x << "," << s.y;
        EXPECT_NEAR(canvas->camera().panY, s.panY, 1e-6) << s.x << "," << s.y;
    }
    EXPECT_EQ(canvas->camera().transform, identityTransform());

    // Both buttons: pan first, then turn.
    mouse(*canvas, wxEVT_LEFT_DOWN, 300, 300, {true, true});
    mouse(*canvas, wxEVT_MOTION, 310, 300, {true, true});
    EXPECT_NEAR(canvas->camera().panX, 0.2f, 1e-6);
    EXPECT_NE(canvas->camera().transform, identityTransform());

    wheel(*canvas, 3);
    EXPECT_FLOAT_EQ(canvas->camera().zoom, -28.5f);
    wheel(*canvas, -1);
    EXPECT_FLOAT_EQ(canvas->camera().zoom, -29.0f);
    mouse(*canvas, wxEVT_MOUSEWHEEL, 10, 10, {}, 600);  // a big step is still one step
    EXPECT_FLOAT_EQ(canvas->camera().zoom, -28.5f);
    const CanvasPicture near = canvas->snapshot();
    EXPECT_GT(atomPixels(*canvas, near, id(0), {0.3f, 0.5f, 0.5f}), 5);
}
