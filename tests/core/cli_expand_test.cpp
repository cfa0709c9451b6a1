// tessara-cli expand: one file's setting and unit-cell content, text and JSON.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_run.h"
#include "scratch_directory.h"

namespace {

const char* const quartzLike =
    "data_t\n_symmetry_space_group_name_H-M 'P -1'\n_cell_length_a 4\n_cell_length_b 5\n_cell_length_c 6\n"
    "_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
    "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
    "Si1 Si 0 0 0\nO1 O2- 0.25 0.5 0.75\n";

}  // namespace

TEST(CliExpand, JsonListsTheAsymmetricUnitAndEveryCellEntry) {
    ScratchDirectory dir;
    std::ofstream("t.CIF") << quartzLike;
    const CliResult r = runCli({"expand", "--json", "t.CIF"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "{\"file\": \"t.CIF\", \"cell\": [4, 5, 6, 90, 90, 90], \"space_group\": \"P -1\", \"number\": 2, "
              "\"extension\": \"\", \"operations\": 2, \"atoms\": ["
              "{\"label\": \"Si1\", \"type\": \"Si\", \"element_number\": 14, \"x\": 0, \"y\": 0, \"z\": 0}, "
              "{\"label\": \"O1\", \"type\": \"O\", \"element_number\": 8, \"x\": 0.25, \"y\": 0.5, \"z\": 0.75}], "
              "\"cell_atoms\": ["
              "{\"label\": \"Si1\", \"type\": \"Si\", \"element_number\": 14, \"x\": 0, \"y\": 0, \"z\": 0}, "
              "{\"label\": \"Si1\", \"type\": \"Si\", \"element_number\": 14, \"x\": 0, \"y\": 0, \"z\": 0}, "
              "{\"label\": \"O1\", \"type\": \"O\", \"element_number\": 8, \"x\": 0.25, \"y\": 0.5, \"z\": 0.75}, "
              "{\"label\": \"O1\", \"type\": \"O\", \"element_number\": 8, \"x\": 0.75, \"y\": 0.5, \"z\": 0.25}]}\n");
}

TEST(CliExpand, TextReportAndProblems) {
    ScratchDirectory dir;
    std::ofstream("t.cif") << quartzLike;
    const CliResult r = runCli({"expand", "t.cif"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Space group: \"P -1\" -> number 2, Hall symbol -P 1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Unit cell (4 atoms):\n"), std::string::npos);

    std::string unknown = quartzLike;
    unknown.replace(unknown.find("'P -1'"), 6, "'Q 1'");
    std::ofstream("u.cif") << unknown;
    const CliResult u = runCli({"expand", "u.cif", "--json"});
    EXPECT_EQ(u.status, 0);  // the asymmetric unit is still worth printing
    EXPECT_EQ(u.err, "u.cif: space group \"Q 1\" not recognised\n");
    EXPECT_NE(u.out.find("\"number\": null, \"extension\": null, \"operations\": 0"), std::string::npos);
    EXPECT_NE(u.out.find("\"cell_atoms\": []"), std::string::npos);

    const CliResult missing = runCli({"expand", "missing.xml"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "missing.xml: cannot be opened\n");
    std::ofstream("empty.cif");
    EXPECT_EQ(runCli({"expand", "empty.cif"}).err, "empty.cif: no atoms read\n");
    EXPECT_EQ(runCli({"expand"}).status, 2);
    EXPECT_EQ(runCli({"expand", "--help"}).status, 0);
}
