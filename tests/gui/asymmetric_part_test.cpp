// "Move asymmetric part" and "Invert asymmetric part": they edit the view's
// copy of the structure marked "Move" and redraw it; the loaded structure and
// the similarity results stay as read.
#include "app/menu_ids.h"
#include "crystal_view_support.h"
#include "similarity/similarity_settings.h"

using namespace gui_test;
using namespace crystal_view_test;

namespace {

class AsymmetricPart : public testing::Test {
protected:
    void SetUp() override {
        // A three-atom molecule at a general position of P -1: its inverted
        // image sits about the centre of symmetry at the origin.
        load(*frame, {cubicStructure("molecule", 10, "P -1",
                                     {{"C", 0.2f, 0.3f, 0.35f}, {"C", 0.32f, 0.3f, 0.35f}, {"O", 0.2f, 0.42f, 0.35f}}),
                      cubicStructure("other", 10, "P 1", {{"C", 0.7f, 0.7f, 0.7f}})});
        canvas = &readyCanvas(*frame);
        clickCell(*frame, 0, Show);
        clickCell(*frame, 0, Move);
        // Turned, so that a change along any axis shows.
        mouse(*canvas, wxEVT_LEFT_DOWN, 320, 240, {true});
        mouse(*canvas, wxEVT_MOTION, 380, 200, {true});
        original = canvas->snapshot();
    }

    bool moveBy(const std::string& x, const std::string& y = "0", const std::string& z = "0",
                int button = wxID_OK, SeenDialog* seen = nullptr) {
        const unsigned long passes = canvas->renderPasses();
        wxTEST_DIALOG(chooseMenu(*frame, ID_MOVE_ASYMMETRIC_PART),
                      SettingsAnswer(button, {{"x", x}, {"y", y}, {"z", z}}, {}, seen));
        return canvas->renderPasses() > passes;
    }
    void invert() { chooseMenu(*frame, ID_INVERT_ASYMMETRIC_PART); }
    const DisplayedStructure& shown() const { return *canvas->findShown(frame->structures()[0].id()); }

    FrameUnderTest frame;
    TestGLCanvas* canvas = nullptr;
    CanvasPicture original;
};

}  // namespace

TEST_F(AsymmetricPart, TheShiftDialogAsTheUserSeesIt) {
    SeenDialog seen;
    EXPECT_FALSE(moveBy("0.5", "0", "0", wxID_CANCEL, &seen)) << "Cancel changes nothing and draws nothing";
    EXPECT_EQ(seen.title, "Change assym part");
    EXPECT_EQ(seen.name, "set window");
    EXPECT_EQ(seen.controls, (std::vector<std::string>{"x", "[0]", "y", "[0]", "z", "[0]", "(OK)", "(Cancel)"}));
    EXPECT_FALSE(seen.style & wxCLOSE_BOX);
    EXPECT_FALSE(seen.style & wxSYSTEM_MENU);
    EXPECT_FLOAT_EQ(shown().originalAtoms()[0].x(), 0.2f);
}

TEST_F(AsymmetricPart, AWholeLatticeVectorLeavesThePictureAndHalfOfOneChangesIt) {
    EXPECT_TRUE(moveBy("1"));
    EXPECT_FLOAT_EQ(shown().originalAtoms()[0].x(), 1.2f);
    EXPECT_LE(differingPixels(original, canvas->snapshot()), 10);

    EXPECT_TRUE(moveBy("-1"));
    EXPECT_TRUE(moveBy("0.5"));
    EXPECT_GT(differingPixels(original, canvas->snapshot()), 200);
    EXPECT_TRUE(moveBy("-0.5"));
    EXPECT_LE(differingPixels(original, canvas->snapshot()), 10);

    EXPECT_TRUE(moveBy("0")) << "a zero shift still redraws";
    EXPECT_LE(differingPixels(original, canvas->snapshot()), 10);

    // The loaded structure, the other shown one and the view's offsets are not touched.
    EXPECT_FLOAT_EQ(frame->structures()[0].originalAtoms()[0].x(), 0.2f);
    EXPECT_EQ(shown().shift, (std::array<float, 3>{}));
}

TEST_F(AsymmetricPart, InvertingTwiceRestoresThePicture) {
    invert();
    EXPECT_FLOAT_EQ(shown().originalAtoms()[1].x(), -0.32f);
    EXPECT_GT(differingPixels(original, canvas->snapshot()), 200);
    invert();
    EXPECT_FLOAT_EQ(shown().originalAtoms()[1].x(), 0.32f);
    EXPECT_LE(differingPixels(original, canvas->snapshot()), 10);
}

TEST_F(AsymmetricPart, FieldsThatHoldNoNumberCountAsZero) {
    EXPECT_TRUE(moveBy("abc", "0.5xyz", ""));
    const AtomSite& atom = shown().originalAtoms()[0];
    EXPECT_FLOAT_EQ(atom.x(), 0.2f);
    EXPECT_FLOAT_EQ(atom.y(), 0.8f);
    EXPECT_FLOAT_EQ(atom.z(), 0.35f);
}

TEST_F(AsymmetricPart, OnlyAShownMarkedStructureIsEdited) {
    clickCell(*frame, 1, Move);  // marked, not shown: the dialog, then nothing
    EXPECT_FALSE(moveBy("0.5"));
    invert();
    EXPECT_FLOAT_EQ(shown().originalAtoms()[0].x(), 0.2f);
    EXPECT_EQ(differingPixels(original, canvas->snapshot(), 0), 0);

    // Hiding discards the edits: shown again, it starts from the loaded structure.
    clickCell(*frame, 0, Move);
    EXPECT_TRUE(moveBy("0.5"));
    clickCell(*frame, 0, Show);
    clickCell(*frame, 0, Show);
    EXPECT_FLOAT_EQ(shown().originalAtoms()[0].x(), 0.2f);
}

TEST_F(AsymmetricPart, TheSimilarityMatrixIgnoresTheViewsEdits) {
    const SimilarityMethodInfo& info = methodInfo(SimilarityMethod::PdfModified);
    ScratchDirectory scratch;  // the run log goes there
    std::string before = commandText(*frame);
    wxTEST_DIALOG(chooseMenu(*frame, info.menuId), SettingsAnswer(wxID_OK));
    const std::string matrixBefore = appendedSince(*frame, before);
    ASSERT_NE(matrixBefore.find(info.title), std::string::npos);

    EXPECT_TRUE(moveBy("0.5", "0.25"));
    invert();
    before = commandText(*frame);
    wxTEST_DIALOG(chooseMenu(*frame, info.menuId), SettingsAnswer(wxID_OK));
    EXPECT_EQ(appendedSince(*frame, before), matrixBefore);
}
