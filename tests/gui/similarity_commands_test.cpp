// The five similarity commands as menu commands on a small set of real CIF
// files: the matrix text the core makes for the same settings, a cluster window
// with the command's title, and commands that leave no trace.
#include <wx/progdlg.h>

#include "gui_test_support.h"
#include "similarity/matrix_text.h"
#include "similarity/similarity_run.h"

using namespace gui_test;
namespace fs = std::filesystem;

namespace {

constexpr SimilarityMethod kMethods[] = {SimilarityMethod::PdfModified, SimilarityMethod::Pdf,
                                         SimilarityMethod::DistanceAngle, SimilarityMethod::Histogram,
                                         SimilarityMethod::Cumulative};

class SimilarityCommands : public testing::Test {
protected:
    void SetUp() override {
        writeSaltCifs(scratch.path());
        frame->scanDirectory(toWx(scratch.path().string()), "*.cif");
        frame->refreshDataList();
        ASSERT_EQ(frame->structures().size(), 3u);
    }

    std::uintmax_t logSize() const {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(scratch.path() / "log.txt", error);
        return error ? 0 : size;
    }

    ScratchDirectory scratch;
    FrameUnderTest frame;
};

}  // namespace

TEST_F(SimilarityCommands, EachCommandAppendsTheCoresMatrixAndOpensItsDiagram) {
    for (SimilarityMethod method : kMethods) {
        const SimilarityMethodInfo& info = methodInfo(method);
        SCOPED_TRACE(info.title);
        const std::string before = commandText(*frame);
        const std::size_t windowsBefore = clusterWindows().size();
        wxString progressTitle;
        frame->setProgressDialogHook([&](wxProgressDialog& dialog) { progressTitle = dialog.GetTitle(); });

        wxTEST_DIALOG(chooseMenu(*frame, info.menuId), SettingsAnswer(wxID_OK));

        const SimilarityResult expected = runSimilarity(frame->structures(), method, info.defaults);
        ASSERT_TRUE(expected.error.empty() && expected.problems.empty());
        EXPECT_EQ(appendedSince(*frame, before), similarityMatrixText(info.title, expected.matrix));
        EXPECT_EQ(progressTitle, info.title);
        const std::vector<DrawCluster*> windows = clusterWindows();
        ASSERT_EQ(windows.size(), windowsBefore + 1);
        EXPECT_EQ(windows.back()->GetTitle(), info.title);
        EXPECT_EQ(windows.back()->GetParent(), &*frame);
        EXPECT_EQ(windows.back()->GetSize(), wxSize(400, 300));
        EXPECT_EQ(windows.back()->similarityMatrix(), expected.matrix);
        EXPECT_EQ(windows.back()->mergePairs().size(), 2u);
    }
}

TEST_F(SimilarityCommands, EditedSettingsReachTheComputation) {
    const SimilarityMethodInfo& info = methodInfo(SimilarityMethod::Pdf);
    const std::string before = commandText(*frame);
    wxTEST_DIALOG(chooseMenu(*frame, info.menuId),
                  SettingsAnswer(wxID_OK, {{"from:", "2"}, {"to:", "6"}, {"resolution:", "0.02"}},
                                 {{"optimize", true}, {"write FP to file", true}}));
    SimilaritySettings settings = info.defaults;
    settings.from = 2;
    settings.to = 6;
    settings.step = 0.02;
    settings.methodOption = true;
    settings.writeFingerPrints = true;
    const SimilarityResult expected = runSimilarity(frame->structures(), SimilarityMethod::Pdf, settings);
    EXPECT_EQ(appendedSince(*frame, before), similarityMatrixText(info.title, expected.matrix));
    for (const char* file : {"PDF0.txt", "PDF1.txt", "PDF2.txt"}) EXPECT_TRUE(fs::exists(file)) << file;
}

TEST_F(SimilarityCommands, RefusedSettingsComputeNothing) {
    const struct {
        SimilarityMethod method;
        std::map<std::string, std::string> typed;
    } cases[] = {
        {SimilarityMethod::PdfModified, {{"resolution:", "0"}}},
        {SimilarityMethod::DistanceAngle, {{"peak width:", "-1"}}},
        {SimilarityMethod::Histogram, {{"d-size:", "abc"}}},
        {SimilarityMethod::Cumulative, {{"from:", "8"}, {"to:", "4"}}},
    };
    for (const auto& c : cases) {
        const SimilarityMethodInfo& info = methodInfo(c.method);
        SCOPED_TRACE(info.title);
        const std::string before = commandText(*frame);
        const std::uintmax_t logBefore = logSize();
        wxTEST_DIALOG(chooseMenu(*frame, info.menuId), SettingsAnswer(wxID_OK, c.typed));
        const std::string appended = appendedSince(*frame, before);
        EXPECT_EQ(appended.rfind("settings refused: ", 0), 0u) << appended;
        EXPECT_EQ(appended.find('\n'), appended.size() - 1) << "one line";
        EXPECT_TRUE(clusterWindows().empty());
        EXPECT_EQ(logSize(), logBefore);
    }
}

TEST_F(SimilarityCommands, CancelledSettingsLeaveNoTrace) {
    for (SimilarityMethod method : kMethods) {
        const SimilarityMethodInfo& info = methodInfo(method);
        SCOPED_TRACE(info.title);
        const std::string before = commandText(*frame);
        const std::uintmax_t logBefore = logSize();
        wxTEST_DIALOG(chooseMenu(*frame, info.menuId),
                      SettingsAnswer(wxID_CANCEL, {{"to:", "4"}}, {{"write FP to file", true}}));
        EXPECT_EQ(commandText(*frame), before);
        EXPECT_TRUE(clusterWindows().empty());
        EXPECT_EQ(logSize(), logBefore);
    }
    EXPECT_FALSE(fs::exists("FP0.txt"));
}

// The progress dialog's Cancel button, pressed as the run starts.
TEST_F(SimilarityCommands, CancelInTheProgressDialogLeavesNoTrace) {
    for (SimilarityMethod method : kMethods) {
        const SimilarityMethodInfo& info = methodInfo(method);
        SCOPED_TRACE(info.title);
        bool pressed = false;
        frame->setProgressDialogHook([&](wxProgressDialog& dialog) {
            wxWindow* cancel = dialog.FindWindow(wxID_CANCEL);
            ASSERT_NE(cancel, nullptr);
            wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
            click.SetEventObject(cancel);
            pressed = cancel->ProcessWindowEvent(click);
        });
        const std::string before = commandText(*frame);
        const std::uintmax_t logBefore = logSize();
        wxTEST_DIALOG(chooseMenu(*frame, info.menuId), SettingsAnswer(wxID_OK));
        EXPECT_TRUE(pressed);
        EXPECT_EQ(commandText(*frame), before);
        EXPECT_TRUE(clusterWindows().empty());
        EXPECT_EQ(logSize(), logBefore);
    }
}

TEST(SimilarityCommandsWithoutStructures, AnEmptyListGivesAnEmptyMatrixAndDiagram) {
    ScratchDirectory scratch;
    FrameUnderTest frame;
    const SimilarityMethodInfo& info = methodInfo(SimilarityMethod::Histogram);
    wxTEST_DIALOG(chooseMenu(*frame, info.menuId), SettingsAnswer(wxID_OK));
    EXPECT_EQ(commandText(*frame), similarityMatrixText(info.title, {}));
    const std::vector<DrawCluster*> windows = clusterWindows();
    ASSERT_EQ(windows.size(), 1u);
    windows[0]->Refresh();
    windows[0]->Update();  // paints now: nothing to cluster must still draw
}
