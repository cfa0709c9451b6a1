// tessara-cli compare: the command-window text, JSON, CSV, SVG and errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_run.h"
#include "io/directory_scan.h"
#include "model/data_list_text.h"
#include "scratch_directory.h"
#include "similarity/matrix_text.h"
#include "similarity/similarity_run.h"

namespace {

std::string cif(float a, const char* group, const char* atoms) {
    std::ostringstream text;
    text << "data_t\n_symmetry_space_group_name_H-M '" << group << "'\n_cell_length_a " << a << "\n_cell_length_b " << a
         << "\n_cell_length_c " << a << "\n_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
         << "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
         << atoms;
    return text.str();
}

// Three small structures in a folder, written in an order the listing need not
// keep; low symmetry keeps them quick under the sanitizers.
void writeSet() {
    std::filesystem::create_directory("set");
    std::ofstream("set/c.cif") << cif(4.2f, "P -1", "Cs1 Cs 0.1 0.2 0.3\nCl1 Cl 0.5 0.6 0.4\n");
    std::ofstream("set/a.cif") << cif(5.64f, "P 1", "Na1 Na 0 0 0\nCl1 Cl 0.5 0.5 0.5\n");
    std::ofstream("set/b.CIF") << cif(5.70f, "P 1", "Na1 Na 0 0 0\nCl1 Cl 0.5 0.5 0.5\n");
    std::ofstream("set/notes.txt") << "not a structure";
}

std::string fileText(const std::string& name) {
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(CliCompare, PrintsWhatTheCommandWindowShows) {
    ScratchDirectory dir;
    writeSet();
    const CliResult r = runCli({"compare", "--method", "histogram", "--threads", "1", "set"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<LoadedStructure> structures;
    for (const char* name : {"set/a.cif", "set/b.CIF", "set/c.cif"}) {
        LoadedFile file = loadStructureFile(name);
        file.structure.setId(static_cast<int>(structures.size()));
        structures.push_back(file.structure);
    }
    const SimilarityResult expected = runSimilarity(structures, SimilarityMethod::Histogram,
                                                    methodInfo(SimilarityMethod::Histogram).defaults);
    EXPECT_EQ(r.out, dataListText(structures) + similarityMatrixText("Histogram similarity", expected.matrix));
    EXPECT_NE(r.out.find("0: a.cif\n1: b.CIF\n2: c.cif\n"), std::string::npos);
}

TEST(CliCompare, JsonCsvAndDendrogram) {
    ScratchDirectory dir;
    writeSet();
    const CliResult r = runCli({"compare", "set", "--json", "--csv", "m.csv", "--dendrogram", "d.svg", "--method",
                                "pdf", "--optimize", "--to", "8"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"method\": \"pdf\", \"title\": \"PDF similarity\", \"settings\": {\"from\": 0, \"to\": 8, "
                          "\"step\": 0.01, \"peak_width\": 0.1, \"include_hydrogens\": false, \"optimize\": true, "
                          "\"write_fingerprints\": false}, \"structures\": [{\"id\": 0, \"file\": \"set/a.cif\"}",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\"merges\": [{\"first\": 0, \"second\": 1, \"distance\": "), std::string::npos) << r.out;
    const std::string csv = fileText("m.csv");
    EXPECT_EQ(csv.rfind("file,a.cif,b.CIF,c.cif\na.cif,0,", 0), 0u) << csv;
    const std::string svg = fileText("d.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("PDF similarity"), std::string::npos);
}

TEST(CliCompare, ThreadCountsGiveTheSameMatrix) {
    ScratchDirectory dir;
    writeSet();
    for (const char* method : {"pdf-modified", "distance-angle", "cumulative"}) {
        const CliResult one = runCli({"compare", "--json", "--threads", "1", "--method", method, "set"});
        const CliResult two = runCli({"compare", "--json", "--threads", "2", "--method", method, "set"});
        EXPECT_EQ(one.out, two.out) << method;
    }
}

TEST(CliCompare, ReportsProblemsAndRefusesBadRequests) {
    ScratchDirectory dir;
    writeSet();
    std::ofstream("broken.cif") << "data_x\n";
    const CliResult partly = runCli({"compare", "set/a.cif", "broken.cif", "missing.xml"});
    EXPECT_EQ(partly.status, 0);
    EXPECT_NE(partly.err.find("broken.cif: no atoms read\n"), std::string::npos) << partly.err;
    EXPECT_NE(partly.err.find("missing.xml: cannot be opened\n"), std::string::npos);
    EXPECT_NE(partly.out.find("2: missing.xml\n"), std::string::npos);  // still an entry with its id

    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"compare", "--step", "0", "set"}, 1, "settings refused: the step must be a positive number"},
        {{"compare", "--from", "6", "--to", "5", "set"}, 1, "settings refused"},
        {{"compare", "--method", "pdf", "--peak-width", "-1", "set"}, 1, "the peak width must be a positive number"},
        {{"compare", "--method", "cubic", "set"}, 2, "--method takes one of"},
        {{"compare", "--step", "fine", "set"}, 2, "--step takes a number"},
        {{"compare", "--threads", "0", "set"}, 2, "--threads takes a whole number"},
        {{"compare", "--optimize", "set"}, 2, "--optimize applies to --method pdf only"},
        {{"compare", "--frobnicate", "set"}, 2, "unknown option --frobnicate"},
        {{"compare", "empty-folder"}, 1, "no structure to compare"},
    };
    std::filesystem::create_directory("empty-folder");
    for (const auto& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(runCli({"compare", "--help"}).status, 0);
}
