// Loading as the user does it: switches on the command line, File/Open, and a
// line in the command window for every file that failed.
#include <wx/filedlg.h>
#include <wx/grid.h>

#include "app/command_line_loading.h"
#include "app/menu_ids.h"
#include "gui_test_support.h"
#include "io/default_structure_set.h"
#include "io/directory_scan.h"
#include "model/data_list_text.h"

using namespace gui_test;
namespace fs = std::filesystem;

namespace {

const std::string kNaCl = cubicCif("F m -3 m", "5.64", {"Na1 Na 0 0 0", "Cl1 Cl 0.5 0.5 0.5"});
const std::string kCsClFox = cubicFox("P m -3 m", "4.12", {"Cs1 Cs 0 0 0", "Cl1 Cl 0.5 0.5 0.5"});

// Folders: cifs/ holds a.cif, b.cif, d.xml, e.XML and notes.txt; fox/ holds a.xml,
// b.xml and c.cif; bad/ holds good.cif and two files that fail.
class Loading : public testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"cifs", "fox", "bad"}) fs::create_directory(scratch.path() / folder);
        for (const char* name : {"a.cif", "b.cif", "notes.txt"}) writeFile(scratch.path() / "cifs" / name, kNaCl);
        for (const char* name : {"d.xml", "e.XML"}) writeFile(scratch.path() / "cifs" / name, kCsClFox);
        for (const char* name : {"a.xml", "b.xml"}) writeFile(scratch.path() / "fox" / name, kCsClFox);
        writeFile(scratch.path() / "fox" / "c.cif", kNaCl);
        writeFile(scratch.path() / "bad" / "good.cif", kNaCl);
        writeFile(scratch.path() / "bad" / "empty.cif", "");
        writeFile(scratch.path() / "bad" / "unknown.cif",
                  cubicCif("X 9 9", "5.64", {"Na1 Na 0 0 0", "Cl1 Cl 0.5 0.5 0.5"}));
    }

    std::string folder(const char* name) const { return (scratch.path() / name).string(); }

    ScratchDirectory scratch;
    FrameUnderTest frame;
};

// One expected line of the command window: exact, or only its start (a load
// problem names its file first; the reason is the core's wording).
struct Line {
    std::string text;
    bool startOnly;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

void expectLines(const std::string& text, const std::vector<Line>& expected) {
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), expected.size()) << text;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (expected[k].startOnly)
            EXPECT_EQ(lines[k].rfind(expected[k].text, 0), 0u) << "line " << k << ": " << lines[k];
        else
            EXPECT_EQ(lines[k], expected[k].text) << "line " << k;
    }
}

// The lines of one load: a problem line for each failed file, then the data
// list of the first `listed` entries.
void addLoad(std::vector<Line>& lines, const std::vector<std::string>& failed,
             const std::vector<LoadedStructure>& structures, std::size_t listed) {
    for (const std::string& name : failed) lines.push_back({name + ": ", true});
    const std::vector<LoadedStructure> shown(structures.begin(), structures.begin() + listed);
    for (const std::string& line : linesOf(dataListText(shown))) lines.push_back({line, false});
}

void expectGridMatches(TessaraguiFrame& frame) {
    wxGrid* grid = frame.dataList();
    ASSERT_EQ(grid->GetNumberRows(), static_cast<int>(frame.structures().size()));
    for (int row = 0; row < grid->GetNumberRows(); ++row) {
        EXPECT_EQ(grid->GetCellValue(row, 0), wxString::Format("%d", row));
        EXPECT_EQ(grid->GetCellValue(row, 1), "TRUE");
        EXPECT_EQ(grid->GetCellValue(row, 2), "FALSE");
        EXPECT_EQ(grid->GetCellValue(row, 3), "FALSE");
        for (int c = 0; c < 4; ++c) EXPECT_TRUE(grid->IsReadOnly(row, c));
    }
}

}  // namespace

TEST_F(Loading, CommandLineSwitches) {
    const std::string cifs = folder("cifs"), fox = folder("fox"), bad = folder("bad");
    const std::vector<std::string> cifNames = listMatchingFiles(cifs, "*.cif");  // the listing's order
    const std::vector<std::string> badNames = listMatchingFiles(bad, "*.cif");
    std::vector<std::string> badFailed;
    for (const std::string& name : badNames)
        if (name != "good.cif") badFailed.push_back(name);
    const auto twice = [](const std::vector<std::string>& v) {
        std::vector<std::string> both = v;
        both.insert(both.end(), v.begin(), v.end());
        return both;
    };

    const struct {
        const char* what;
        std::vector<std::string> args;   // after the program name
        std::vector<std::string> names;  // file names of the entries, in id order
        std::size_t dirEntries;          // how many of them -dir loaded (it records no path)
        // One load after another: how many entries its data list shows, which of its files failed.
        std::vector<std::pair<std::size_t, std::vector<std::string>>> loads;
    } cases[] = {
        {"nothing", {}, {}, 0, {}},
        {"other arguments are ignored", {"--verbose", "x.cif"}, {}, 0, {}},
        {"-all loads every matching file", {"-all", cifs, "*.cif"}, cifNames, 0, {{2, {}}}},
        {"-all is case-sensitive", {"-all", cifs, "*.CIF"}, {}, 0, {{0, {}}}},
        {"-all reads only two patterns", {"-all", cifs, "*.txt"}, {}, 0, {{0, {}}}},
        {"-all twice appends twice", {"-all", cifs, "*.cif", "-all", cifs, "*.cif"}, twice(cifNames), 0,
         {{2, {}}, {4, {}}}},
        {"-dir reads each name as FOX", {"-dir", fox, "a.xml", "b.xml", "c.cif"}, {"a.xml", "b.xml", "c.cif"}, 3,
         {{3, {"c.cif"}}}},
        {"-dir without names", {"-dir", fox}, {}, 0, {{0, {}}}},
        {"-dir without a folder", {"-dir"}, {}, 0, {{0, {}}}},
        {"-all without a pattern", {"-all", cifs}, {}, 0, {{0, {}}}},
        {"-all without a folder", {"-all"}, {}, 0, {{0, {}}}},
        {"failed files keep their entries", {"-all", bad, "*.cif"}, badNames, 0, {{3, badFailed}}},
        // The names after -dir's folder are loaded, then still act as switches.
        {"a switch among -dir's names", {"-dir", fox, "a.xml", "-all", cifs, "*.cif"},
         {"a.xml", "-all", cifs, "*.cif", cifNames[0], cifNames[1]}, 4,
         {{4, {"-all", cifs, "*.cif"}}, {6, {}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FrameUnderTest target;
        std::vector<std::string> args{"tessara"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        loadFromCommandLine(*target, args);

        const std::vector<LoadedStructure>& loaded = target->structures();
        ASSERT_EQ(loaded.size(), c.names.size());
        for (std::size_t k = 0; k < loaded.size(); ++k) {
            EXPECT_EQ(loaded[k].id(), static_cast<int>(k));
            EXPECT_EQ(loaded[k].fileName, c.names[k]);
            if (k < c.dirEntries)
                EXPECT_EQ(loaded[k].filePath, "");
            else
                EXPECT_EQ(fs::path(loaded[k].filePath).filename(), c.names[k]);
        }
        std::vector<Line> lines;
        for (const auto& load : c.loads) addLoad(lines, load.second, loaded, load.first);
        expectLines(commandText(*target), lines);
        expectGridMatches(*target);
    }
}

TEST_F(Loading, DirAndAllReadTheFilesTheyName) {
    loadFromCommandLine(*frame, {"tessara", "-dir", folder("fox"), "a.xml", "-all", folder("cifs"), "*.xml"});
    const std::vector<LoadedStructure>& loaded = frame->structures();
    ASSERT_EQ(loaded.size(), 5u);  // a.xml, then -all, the folder and *.xml as names, then d.xml
    EXPECT_EQ(loaded[0].fileName, "a.xml");
    EXPECT_EQ(loaded[0].originalAtoms().size(), 2u);
    EXPECT_EQ(loaded[4].fileName, "d.xml");
    EXPECT_EQ(loaded[4].filePath, joinPath(folder("cifs"), "d.xml"));
    EXPECT_EQ(loaded[4].originalAtoms().size(), 2u);
}

TEST_F(Loading, DefaultLoadsTheBuiltInSet) {
    loadFromCommandLine(*frame, {"tessara", "-default"});
    const std::vector<std::string> paths = defaultStructureSet();
    const std::vector<LoadedStructure>& loaded = frame->structures();
    ASSERT_EQ(loaded.size(), paths.size());
    for (std::size_t k = 0; k < paths.size(); ++k) {
        EXPECT_EQ(loaded[k].fileName, fs::path(paths[k]).filename().string());
        EXPECT_EQ(loaded[k].filePath, paths[k]);
        EXPECT_FALSE(loaded[k].originalAtoms().empty()) << paths[k];
    }
    if (paths.empty())  // without the package the user is told where the set was looked for
        EXPECT_NE(commandText(*frame).find(defaultStructureSetFolder()), std::string::npos);
    else
        EXPECT_EQ(commandText(*frame), dataListText(loaded));
}

TEST_F(Loading, OpenLoadsTheChosenFilesFolderByExtension) {
    const std::string cifs = folder("cifs");
    const struct {
        const char* what;
        std::string chosen;  // empty: the dialog is cancelled
        std::vector<std::string> names;
        bool printsList;
    } cases[] = {
        {"a CIF loads every CIF of its folder", joinPath(cifs, "b.cif"), listMatchingFiles(cifs, "*.cif"), true},
        {"a FOX file loads every .xml file", joinPath(cifs, "d.xml"), {"d.xml"}, true},
        {"the extension is case-sensitive", joinPath(cifs, "e.XML"), {}, true},
        {"cancel loads and prints nothing", "", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FrameUnderTest target;
        const int answer = c.chosen.empty() ? wxID_CANCEL : wxID_OK;
        wxTEST_DIALOG(chooseMenu(*target, ID_OPEN), wxExpectModal<wxFileDialog>(toWx(c.chosen), answer));
        std::vector<std::string> names;
        for (const LoadedStructure& s : target->structures()) names.push_back(s.fileName);
        EXPECT_EQ(names, c.names);
        for (const LoadedStructure& s : target->structures()) EXPECT_EQ(s.filePath, joinPath(cifs, s.fileName));
        EXPECT_EQ(commandText(*target), c.printsList ? dataListText(target->structures()) : "");
    }
}

TEST_F(Loading, EveryOpenAppendsAndIdsGoOn) {
    const std::string chosen = joinPath(folder("cifs"), "a.cif");
    for (int open = 0; open < 2; ++open)
        wxTEST_DIALOG(chooseMenu(*frame, ID_OPEN), wxExpectModal<wxFileDialog>(toWx(chosen)));
    const std::vector<LoadedStructure>& loaded = frame->structures();
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(loaded[2].fileName, loaded[0].fileName);
    EXPECT_EQ(loaded[3].id(), 3);
    const std::vector<LoadedStructure> first(loaded.begin(), loaded.begin() + 2);
    EXPECT_EQ(commandText(*frame), dataListText(first) + dataListText(loaded));
    expectGridMatches(*frame);
}

TEST(LoadingRealFiles, OpenReadsTheFoxFolder) {
    const std::string foxFolder = TESSARA_FOX_DIR;
    if (foxFolder.empty()) GTEST_SKIP() << "the FOX files are not beside the project";
    ScratchDirectory scratch;
    FrameUnderTest frame;
    wxTEST_DIALOG(chooseMenu(*frame, ID_OPEN),
                  wxExpectModal<wxFileDialog>(toWx(joinPath(foxFolder, "Cimetidine.xml"))));
    const std::vector<LoadedStructure>& loaded = frame->structures();
    ASSERT_EQ(loaded.size(), listMatchingFiles(foxFolder, "*.xml").size());
    for (const LoadedStructure& s : loaded) EXPECT_FALSE(s.originalAtoms().empty()) << s.fileName;
    EXPECT_EQ(commandText(*frame), dataListText(loaded));  // clean loads print no problem lines
}
