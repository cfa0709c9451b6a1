// CIF files: the atom loop read by its header, whole data names, space-group
// names old and new, data blocks, and the log lines.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "io/cif_syntax.h"
#include "io/element_symbol.h"
#include "io/parse_float.h"
#include "io/structure_reader.h"
#include "scratch_directory.h"
#include "symmetry/space_group_setting.h"

namespace {

CrystalStructure readCif(const std::string& text, ReadNotes* notes = nullptr) {
    std::istringstream in(text);
    return StructureReader().readCifStream(in, "test.cif", notes);
}

const char* const cellLines =
    "_cell_length_a 10.234(3)\n_cell_length_b 11\n_cell_length_c 12\n"
    "_cell_angle_alpha 90\n_cell_angle_beta 100.5(2)\n_cell_angle_gamma 90\n";

std::string logText() {
    std::ifstream log("log.txt");
    std::stringstream text;
    text << log.rdbuf();
    return text.str();
}

}  // namespace

TEST(CifSyntax, ValuesNumbersAndTokens) {
    EXPECT_EQ(parseFloat("0.1234(5)"), 0.1234f);
    EXPECT_EQ(parseFloat("  10.234"), 10.234f);
    EXPECT_EQ(parseFloat("?"), 0.0f);
    EXPECT_EQ(parseFloat("."), 0.0f);
    EXPECT_EQ(parseFloat("+.5"), 0.5f);
    EXPECT_EQ(parseFloat("-2e-1x"), -0.2f);
    EXPECT_TRUE(std::isinf(parseFloat("1e308")));
    EXPECT_TRUE(std::isinf(parseFloat("-1e999")));
    EXPECT_TRUE(std::isnan(parseFloat("nan")));

    const std::string tag = "_symmetry_space_group_name_H-M";
    EXPECT_EQ(extractCifValue(tag + "   'P 21/c'", tag.size()), "P 21/c");
    EXPECT_EQ(extractCifValue(tag + "   P21/c", tag.size()), "   P21/c");
    EXPECT_EQ(extractCifValue("_cell_length_a 10.234(3)", 14), " 10.234");
    EXPECT_EQ(cifTokens("C1 'O 2' \"a b\" x'y 1.0 # comment"),
              (std::vector<std::string>{"C1", "O 2", "a b", "x'y", "1.0"}));
}

TEST(CifSyntax, ElementSymbols) {
    const struct {
        const char *text, *fromType, *fromLabel;
    } cases[] = {
        {"Ca1", "Ca", "Ca"}, {"C(11)", "C", "C"}, {"O2", "O", "O"}, {"O2-", "O", "O"}, {"Fe3+", "Fe", "Fe"},
        {"SI4+", "Si", "S"}, {"Ow1", "O", "O"},   {"HB", "HB", "H"}, {"1x", "1x", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(elementSymbolFromType(c.text), c.fromType) << c.text;
        EXPECT_EQ(elementSymbolFromLabel(c.text), c.fromLabel) << c.text;
    }
}

TEST(CifReader, AtomLoopIsReadByItsHeader) {
    ScratchDirectory dir;
    const std::string text = std::string("data_x\n_symmetry_space_group_name_H-M 'P 21/c'\n") + cellLines +
                             "loop_\n_atom_site_label\n_atom_site_occupancy\n_atom_site_fract_z\n"
                             "_atom_site_fract_x\n_atom_site_type_symbol\n_atom_site_fract_y\n"
                             "C1 1.0 0.25 0.1234(5) C 0.5\n'O 2' 0.5 0.3 0.2 O2- 0.1\n"
                             "Fe1 1 0.5 0.5 Fe3+\n0.5\n"  // a row may continue on the next line
                             "\n_geom_bond_atom_site_label_1 C1\n";
    ReadNotes notes;
    const CrystalStructure s = readCif(text, &notes);
    ASSERT_EQ(s.originalAtoms().size(), 3u);
    const AtomSite& c1 = s.originalAtoms()[0];
    EXPECT_EQ(c1.label(), "C1");
    EXPECT_EQ(c1.typeSymbol(), "C");
    EXPECT_FLOAT_EQ(c1.x(), 0.1234f);
    EXPECT_FLOAT_EQ(c1.y(), 0.5f);
    EXPECT_FLOAT_EQ(c1.z(), 0.25f);
    EXPECT_EQ(s.originalAtoms()[1].label(), "O 2");
    EXPECT_EQ(s.originalAtoms()[1].elementNumber(), 8);
    EXPECT_EQ(s.originalAtoms()[2].elementNumber(), 26);
    EXPECT_FLOAT_EQ(s.a(), 10.234f);
    EXPECT_FLOAT_EQ(s.beta(), 100.5f);
    EXPECT_EQ(s.spaceGroupName(), "P 21/c");
    EXPECT_EQ(s.spaceGroupSetting()->number, 14);
    EXPECT_TRUE(notes.problems.empty());
    EXPECT_EQ(logText(), "starting readCifFile function: test.cif\n");
}

TEST(CifReader, LoopsEndAtTheFirstLineThatIsNoDataRow) {
    const char* const endings[] = {"", "#END", "loop_\n_x\n1", "_cell_volume 100", "data_next"};
    for (const char* ending : endings) {
        const std::string text = std::string("_symmetry_space_group_name_H-M 'P 1'\n") + cellLines +
                                 "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
                                 "Na1 0 0 0\n# a comment does not end the loop\nCl1 0.5 0.5 0.5\n" + ending +
                                 "\nK1 0.1 0.1 0.1\n";
        const CrystalStructure s = readCif(text);
        ASSERT_EQ(s.originalAtoms().size(), 2u) << "ending «" << ending << "»";
        EXPECT_EQ(s.originalAtoms()[1].elementNumber(), 17);  // element from the label
    }
}

TEST(CifReader, SpaceGroupFromOldNameNewNameOrNumber) {
    const struct {
        const char* items;
        int number;
    } cases[] = {
        {"_symmetry_space_group_name_H-M 'P 21/n'\n_space_group_name_H-M_alt 'P 1'\n", 14},
        {"_space_group_name_H-M_alt 'P b n m'\n_space_group_IT_number 62\n", 62},
        {"_symmetry_space_group_name_H-M ?\n_space_group_IT_number 166\n", 166},
        {"_space_group_name_H-M_alt .\n_symmetry_Int_Tables_number 227\n", 227},
        {"_symmetry_space_group_name_H-M\n'F m -3 m'\n", 225},  // value on the next line
        {"_SYMMETRY_SPACE_GROUP_NAME_H-M 'I a -3 d'\n", 230},    // data names ignore case
    };
    for (const auto& c : cases) {
        const CrystalStructure s = readCif(std::string(c.items) + cellLines +
                                           "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n"
                                           "_atom_site_fract_z\nO1 0.1 0.2 0.3\n");
        ASSERT_NE(s.spaceGroupSetting(), nullptr) << c.items;
        EXPECT_EQ(s.spaceGroupSetting()->number, c.number) << c.items;
    }
    const CrystalStructure pbnm = readCif(std::string("_space_group_name_H-M_alt 'P b n m'\n") + cellLines +
                                          "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n"
                                          "_atom_site_fract_z\nO1 0.1 0.2 0.3\n");
    EXPECT_EQ(pbnm.spaceGroupSetting()->extension, "cab");
}

TEST(CifReader, TextFieldsAndOtherLoopsAreNotMistakenForAtoms) {
    const std::string text = std::string("data_a\n_publ_section_title\n;\n_atom_site_label in a title\n"
                                         "_cell_length_a 99\n;\n_symmetry_space_group_name_H-M 'P -1'\n") +
                             cellLines +
                             "loop_\n_geom_bond_atom_site_label_1\n_geom_bond_atom_site_label_2\n_geom_bond_distance\n"
                             "C1 C2 1.5\n\nloop_\n_atom_site_aniso_label\n_atom_site_aniso_U_11\nC1 0.01\n\n"
                             "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
                             "C1 0.1 0.2 0.3\nC2 0.2 0.3 0.4\n";
    const CrystalStructure s = readCif(text);
    EXPECT_EQ(s.originalAtoms().size(), 2u);
    EXPECT_FLOAT_EQ(s.a(), 10.234f);
}

TEST(CifReader, FirstBlockWithAtomsWins) {
    ScratchDirectory dir;
    const std::string atoms = "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    const std::string text = std::string("data_global\n_journal_year 2000\n") + "data_first\n" +
                             "_symmetry_space_group_name_H-M 'P 1'\n" + cellLines + atoms + "Na1 0 0 0\n\n" +
                             "data_second\n_symmetry_space_group_name_H-M 'F m -3 m'\n" + cellLines + atoms +
                             "Cl1 0.5 0.5 0.5\nK1 0 0 0\n";
    ReadNotes notes;
    const CrystalStructure s = readCif(text, &notes);
    EXPECT_EQ(s.originalAtoms().size(), 1u);
    EXPECT_EQ(s.symmetryOperations().size(), 1u);
    ASSERT_EQ(notes.problems.size(), 1u);
    EXPECT_EQ(notes.problems[0], "data blocks after data_first ignored");
    EXPECT_EQ(logText(),
              "starting readCifFile function: test.cif\nreadCifFile: data blocks after data_first ignored\n");
}

TEST(CifReader, WindowsLineEndsAndFileErrors) {
    ScratchDirectory dir;
    std::string text = std::string("_symmetry_space_group_name_H-M 'P 1'\n") + cellLines +
                       "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
                       "_atom_site_fract_z\nSi1 Si 0.1 0.2 0.3\n";
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    { std::ofstream("crlf.cif", std::ios::binary) << crlf; }
    const CrystalStructure s = StructureReader().readCifFile("crlf.cif");
    ASSERT_EQ(s.originalAtoms().size(), 1u);
    EXPECT_EQ(s.originalAtoms()[0].typeSymbol(), "Si");
    EXPECT_FLOAT_EQ(s.originalAtoms()[0].z(), 0.3f);

    ReadNotes notes;
    const CrystalStructure missing = StructureReader().readCifFile("missing.cif", &notes);
    EXPECT_FALSE(notes.opened);
    EXPECT_TRUE(missing.originalAtoms().empty());
    EXPECT_EQ(logText(), "starting readCifFile function: crlf.cif\nstarting readCifFile function: missing.cif\nfail()\n");
}

TEST(CifReader, RhombohedralCellsReadTheSymbolOnRhombohedralAxes) {
    const std::string atoms =
        "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\nC1 0.25 0.25 0.25\n";
    const struct {
        const char *group, *cell, *extension;
    } cases[] = {
        {"R -3 c", "5 5 5 47 47 47", "R"},      // rhombohedral cell
        {"R -3 c", "5 5 17 90 90 120", "H"},    // hexagonal cell
        {"R -3 c H", "5 5 5 47 47 47", "H"},    // axes named explicitly
        {"R -3 c:H", "5 5 5 47 47 47", "H"},
    };
    for (const auto& c : cases) {
        std::istringstream cell(c.cell);
        float v[6];
        for (float& x : v) cell >> x;
        std::ostringstream text;
        text << "_symmetry_space_group_name_H-M '" << c.group << "'\n_cell_length_a " << v[0] << "\n_cell_length_b "
             << v[1] << "\n_cell_length_c " << v[2] << "\n_cell_angle_alpha " << v[3] << "\n_cell_angle_beta " << v[4]
             << "\n_cell_angle_gamma " << v[5] << "\n" << atoms;
        const CrystalStructure s = readCif(text.str());
        ASSERT_NE(s.spaceGroupSetting(), nullptr) << c.group << " " << c.cell;
        EXPECT_EQ(s.spaceGroupSetting()->number, 167);
        EXPECT_EQ(s.spaceGroupSetting()->extension, c.extension) << c.group << " " << c.cell;
    }
}

TEST(CifReader, UnresolvedSymbolFallsBackToTheNumberAndUnknownPositionsAreSkipped) {
    ReadNotes notes;
    const CrystalStructure s = readCif(std::string("_symmetry_space_group_name_H-M 'I 2/b 2/a 2/m'\n"
                                                   "_symmetry_Int_Tables_number 72\n") +
                                           cellLines +
                                           "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n"
                                           "_atom_site_fract_z\nSi1 0.1 0.2 0.3\n? ? ? ?\n",
                                       &notes);
    ASSERT_NE(s.spaceGroupSetting(), nullptr);
    EXPECT_EQ(s.spaceGroupSetting()->number, 72);
    EXPECT_EQ(s.originalAtoms().size(), 1u);
    EXPECT_EQ(notes.problems, std::vector<std::string>{"atom ? skipped: coordinates unknown"});

    // Nothing resolves: the first text is the one reported.
    const CrystalStructure none = readCif(std::string("_symmetry_space_group_name_H-M 'Q 1'\n_space_group_IT_number 999\n") +
                                          cellLines +
                                          "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n"
                                          "_atom_site_fract_z\nSi1 0.1 0.2 0.3\n");
    EXPECT_EQ(none.spaceGroupName(), "Q 1");
    EXPECT_FALSE(none.spaceGroupRecognised());
}
