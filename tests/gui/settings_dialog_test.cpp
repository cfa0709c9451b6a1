// The settings dialog answered as a user would: what it shows for each kind of
// method, what OK reads back, and that Cancel changes nothing.
#include "gui_test_support.h"

using namespace gui_test;

namespace {

struct Values {
    double from, to, step, peakWidth;
    bool writeFingerPrints, includeHydrogens, methodOption;
};

// Shows the dialog on `values`, answered by `answer`; returns what it returned.
bool show(TessaraguiFrame& frame, Values& v, SettingsKind kind, const SettingsAnswer& answer) {
    bool accepted = false;
    wxTEST_DIALOG(accepted = frame.showSimilaritySettings(v.from, v.to, v.step, v.peakWidth, v.writeFingerPrints,
                                                          v.includeHydrogens, v.methodOption, static_cast<int>(kind)),
                  answer);
    return accepted;
}

void expectValues(const Values& actual, const Values& expected) {
    EXPECT_DOUBLE_EQ(actual.from, expected.from);
    EXPECT_DOUBLE_EQ(actual.to, expected.to);
    EXPECT_DOUBLE_EQ(actual.step, expected.step);
    EXPECT_DOUBLE_EQ(actual.peakWidth, expected.peakWidth);
    EXPECT_EQ(actual.writeFingerPrints, expected.writeFingerPrints);
    EXPECT_EQ(actual.includeHydrogens, expected.includeHydrogens);
    EXPECT_EQ(actual.methodOption, expected.methodOption);
}

Values defaultsOf(SimilarityMethod method) {
    const SimilaritySettings& d = methodInfo(method).defaults;
    return {d.from, d.to, d.step, d.peakWidth, d.writeFingerPrints, d.includeHydrogens, d.methodOption};
}

}  // namespace

TEST(SettingsDialog, ShowsTheControlsOfEachKindWithTheCommandsDefaults) {
    using C = std::vector<std::string>;
    const C tail = {"[ ] include Hydrogens", "[ ] write FP to file", "(OK)", "(Cancel)"};
    const auto with = [&](C head) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const struct {
        SimilarityMethod method;
        C shown;
    } cases[] = {
        {SimilarityMethod::PdfModified,
         with({"from:", "[0]", "to:", "[10]", "resolution:", "[0.010000]", "peak width:", "[0.100000]"})},
        {SimilarityMethod::Pdf, with({"from:", "[0]", "to:", "[10]", "resolution:", "[0.010000]", "peak width:",
                                      "[0.100000]", "[ ] optimize"})},
        {SimilarityMethod::DistanceAngle,
         with({"from:", "[0]", "to:", "[10]", "resolution:", "[0.100000]", "peak width:", "[1.000000]"})},
        {SimilarityMethod::Histogram, with({"from:", "[0]", "to:", "[10]", "d-size:", "[0.200000]", "[x] use weights"})},
        {SimilarityMethod::Cumulative,
         with({"from:", "[0]", "to:", "[10]", "d-size:", "[0.200000]", "[x] use weights"})},
    };
    FrameUnderTest frame;
    for (const auto& c : cases) {
        SCOPED_TRACE(methodInfo(c.method).title);
        Values values = defaultsOf(c.method);
        SeenDialog seen;
        EXPECT_TRUE(show(*frame, values, methodInfo(c.method).kind, SettingsAnswer(wxID_OK, {}, {}, &seen)));
        EXPECT_EQ(seen.controls, c.shown);
        EXPECT_EQ(seen.title, "Settings");
        EXPECT_EQ(seen.name, "set window");
        EXPECT_EQ(seen.style & (wxCLOSE_BOX | wxRESIZE_BORDER | wxSYSTEM_MENU), 0);
        expectValues(values, defaultsOf(c.method));  // OK on untouched fields returns the defaults
    }
    EXPECT_EQ(commandText(*frame), "");
}

TEST(SettingsDialog, AnUnknownKindShowsTheHistogramFieldsWithoutAnOption) {
    FrameUnderTest frame;
    Values values{0, 10, 0.2, -1, false, false, true};
    SeenDialog seen;
    show(*frame, values, static_cast<SettingsKind>(7), SettingsAnswer(wxID_OK, {}, {}, &seen));
    EXPECT_EQ(seen.controls, (std::vector<std::string>{"from:", "[0]", "to:", "[10]", "d-size:", "[0.200000]",
                                                       "[ ] include Hydrogens", "[ ] write FP to file", "(OK)",
                                                       "(Cancel)"}));
}

TEST(SettingsDialog, OkReadsBackWhatTheFieldsHold) {
    const struct {
        const char* what;
        SettingsKind kind;
        Values given;
        std::map<std::string, std::string> typed;
        std::map<std::string, bool> ticked;
        Values returned;
    } cases[] = {
        {"the range shows and returns whole numbers", SettingsKind::Profile, {2.7, 9.9, 0.01, 0.1, false, false, true},
         {}, {}, {2.0, 9.0, 0.01, 0.1, false, false, true}},
        {"negative ranges truncate toward zero", SettingsKind::Profile, {-2.7, 10, 0.01, 0.1, false, false, false},
         {}, {}, {-2.0, 10, 0.01, 0.1, false, false, false}},
        {"typed numbers, a unit after them, letters", SettingsKind::Pdf, {0, 10, 0.01, 0.1, false, false, false},
         {{"from:", "1.5 \xc3\x85"}, {"to:", "abc"}, {"resolution:", "0.05"}, {"peak width:", "0.2"}},
         {{"optimize", true}, {"include Hydrogens", true}, {"write FP to file", true}},
         {1.5, 0.0, 0.05, 0.2, true, true, true}},
        {"empty fields read 0", SettingsKind::Histogram, {0, 10, 0.2, -1, false, false, true},
         {{"to:", ""}, {"d-size:", ""}}, {{"use weights", false}}, {0, 0, 0, -1, false, false, false}},
        {"a histogram leaves the peak width alone", SettingsKind::Histogram, {0, 10, 0.2, -1, false, false, true},
         {{"d-size:", "0.25"}}, {}, {0, 10, 0.25, -1, false, false, true}},
        {"a profile leaves the method option alone", SettingsKind::Profile, {0, 10, 0.1, 1.0, false, false, false},
         {}, {{"include Hydrogens", true}}, {0, 10, 0.1, 1.0, false, true, false}},
    };
    FrameUnderTest frame;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Values values = c.given;
        EXPECT_TRUE(show(*frame, values, c.kind, SettingsAnswer(wxID_OK, c.typed, c.ticked)));
        expectValues(values, c.returned);
    }
}

TEST(SettingsDialog, CancelChangesNothingAndPrintsNothing) {
    FrameUnderTest frame;
    for (SettingsKind kind : {SettingsKind::Profile, SettingsKind::Histogram, SettingsKind::Pdf}) {
        const Values given{2.7, 9.9, 0.01, 0.1, false, true, false};
        Values values = given;
        EXPECT_FALSE(show(*frame, values, kind,
                          SettingsAnswer(wxID_CANCEL, {{"from:", "5"}, {"resolution:", "1"}, {"d-size:", "1"}},
                                         {{"include Hydrogens", false}, {"optimize", true}, {"use weights", true}})));
        // Exactly as given: not even the shown, truncated range comes back.
        EXPECT_EQ(values.from, given.from);
        EXPECT_EQ(values.to, given.to);
        expectValues(values, given);
    }
    EXPECT_EQ(commandText(*frame), "");
}
