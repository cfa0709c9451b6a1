// Loading a directory: what is listed, what is read, and a clear report for
// every bad file while loading goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "io/directory_scan.h"
#include "scratch_directory.h"

namespace fs = std::filesystem;

namespace {

const std::string goodCif =
    "data_nacl\n_symmetry_space_group_name_H-M 'F m -3 m'\n_cell_length_a 5.64\n_cell_length_b 5.64\n"
    "_cell_length_c 5.64\n_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
    "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
    "Na1 Na+ 0 0 0\nCl1 Cl- 0.5 0.5 0.5\n";

void write(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

}  // namespace

TEST(DirectoryScan, ListsPlainVisibleMatchingFilesOnly) {
    ScratchDirectory dir;
    for (const char* name : {"a.cif", "b.cif", "d.xml", ".hidden.cif", "e.CIF", "notes.txt"}) write(name, goodCif);
    fs::create_directory("sub.cif");
    std::vector<std::string> cifs = listMatchingFiles(".", "*.cif");
    std::sort(cifs.begin(), cifs.end());  // the listing order is the file system's
    EXPECT_EQ(cifs, (std::vector<std::string>{"a.cif", "b.cif"}));
    EXPECT_EQ(listMatchingFiles(".", "*.xml"), (std::vector<std::string>{"d.xml"}));
    EXPECT_TRUE(listMatchingFiles("no such directory", "*.cif").empty());

    EXPECT_EQ(scanDirectory(".", "*.txt").size(), 0u);  // listed, but no reader for it
    std::vector<LoadedFile> loaded = scanDirectory(dir.path().string(), "*.cif");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].structure.filePath, joinPath(dir.path().string(), loaded[0].structure.fileName));
    EXPECT_EQ(loaded[0].structure.getCellAtoms().size(), 2u * 192u);
    EXPECT_TRUE(loadSucceeded(loaded[0].report));
    EXPECT_EQ(loadProblemLine(loaded[0].report), "");
}

TEST(DirectoryScan, JoinsWithThePlatformSeparator) {
    EXPECT_EQ(joinPath("data", "a.cif"), "data/a.cif");
    EXPECT_EQ(joinPath("data/", "a.cif"), "data/a.cif");
    EXPECT_EQ(joinPath("", "a.cif"), "a.cif");
}

TEST(DirectoryScan, EveryBadFileGetsAReasonAndLoadingGoesOn) {
    ScratchDirectory dir;
    std::string garbage(4096, '\0');
    std::mt19937 random(7);
    for (char& c : garbage) c = static_cast<char>(random());
    const std::string atomHeader =
        "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    const struct {
        const char* name;
        std::string content;
        const char* reason;
    } cases[] = {
        {"empty.cif", "", "empty.cif: no atoms read"},
        {"garbage.cif", garbage, "garbage.cif: no atoms read"},
        {"truncated.cif", goodCif + "K1 K 0.25", "incomplete row is ignored"},
        {"longline.cif", std::string(10 << 20, 'x') + "\n" + goodCif, ""},
        {"nan.cif", replaced(goodCif, "0.5 0.5 0.5", "nan 0.5 0.5"), "atom Cl1 skipped: coordinate not a finite number"},
        {"inf.cif", replaced(goodCif, "0.5 0.5 0.5", "0.5 inf 0.5"), "atom Cl1 skipped"},
        {"huge.cif", replaced(goodCif, "0.5 0.5 0.5", "0.5 0.5 1e308"), "atom Cl1 skipped"},
        {"zerocell.cif", replaced(goodCif, "_cell_length_a 5.64", "_cell_length_a 0"), "is not a valid cell"},
        {"negcell.cif", replaced(goodCif, "_cell_length_b 5.64", "_cell_length_b -5.64"), "is not a valid cell"},
        {"badangles.cif", replaced(goodCif, "_cell_angle_alpha 90", "_cell_angle_alpha 200"), "is not a valid cell"},
        {"unknown.cif", replaced(goodCif, "'F m -3 m'", "'X 9 9'"), "space group \"X 9 9\" not recognised"},
        {"nogroup.cif", replaced(goodCif, "_symmetry_space_group_name_H-M 'F m -3 m'\n", ""), "no space group given"},
        {"z\xc3\xa9olithe-\xe6\x97\xa5.cif", goodCif, ""},  // a non-ASCII name
        {"header-only.cif", atomHeader, "no atoms read"},
    };
    for (const auto& c : cases) write(c.name, c.content);
    const std::vector<LoadedFile> loaded = scanDirectory(".", "*.cif");
    ASSERT_EQ(loaded.size(), std::size(cases));
    for (const auto& c : cases) {
        const auto found = std::find_if(loaded.begin(), loaded.end(),
                                        [&](const LoadedFile& f) { return f.structure.fileName == c.name; });
        ASSERT_NE(found, loaded.end()) << c.name;
        const std::string line = loadProblemLine(found->report);
        if (*c.reason == '\0') EXPECT_EQ(line, "") << c.name;
        else EXPECT_NE(line.find(c.reason), std::string::npos) << c.name << ": " << line;
        // Whatever was read expands without trouble.
        LoadedStructure structure = found->structure;
        structure.getCellAtomsCartesian();
    }
}

TEST(DirectoryScan, UnreadablePathsAndOtherExtensions) {
    ScratchDirectory dir;
    fs::create_directory("folder.cif");
    const LoadedFile folder = loadStructureFile("folder.cif");
    EXPECT_FALSE(folder.report.opened);
    EXPECT_EQ(loadProblemLine(folder.report), "folder.cif: cannot be opened");
    EXPECT_EQ(loadProblemLine(loadStructureFile("gone.XML").report), "gone.XML: cannot be opened");
    EXPECT_EQ(loadProblemLine(loadStructureFile("notes.txt").report), "notes.txt: not a .cif or .xml file");
    write("upper.CIF", goodCif);
    EXPECT_TRUE(loadSucceeded(loadStructureFile("upper.CIF").report));
}
