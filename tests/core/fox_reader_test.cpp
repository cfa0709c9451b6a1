// FOX XML files: real files placed right, the placement rules, the log lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/run_log.h"
#include "io/structure_reader.h"
#include "scratch_directory.h"
#include "shortest_distance.h"
#include "symmetry/space_group_setting.h"

namespace {

const std::string foxDirectory = std::string(TESSARA_FOX_DIR) + "/";

CrystalStructure readFox(const std::string& text, ReadNotes* notes = nullptr) {
    std::istringstream in(text);
    return StructureReader().readFoxXMLStream(in, "test.xml", notes);
}

std::string crystal(const std::string& body, const char* group = "P 1", const char* a = "10") {
    return std::string("<ObjCryst>\n  <Crystal Name=\"t\" SpaceGroup=\"") + group + "\">\n" +
           "    <Par Name=\"a\">" + a + "</Par>\n    <Par Name=\"b\">10</Par>\n    <Par Name=\"c\">10</Par>\n" +
           "    <Par Name=\"alpha\">90</Par>\n    <Par Name=\"beta\">90</Par>\n    <Par Name=\"gamma\">90</Par>\n" +
           body + "  </Crystal>\n</ObjCryst>\n";
}

std::string molecule(const char* quaternion, const char* atoms) {
    return std::string("    <Molecule Name=\"m\">\n      <Quaternion ") + quaternion + " IsUnitQuaternion=\"1\"/>\n" +
           "      <Par Name=\"x\">0.5</Par>\n      <Par Name=\"y\">0.5</Par>\n      <Par Name=\"z\">0.5</Par>\n" + atoms +
           "    </Molecule>\n";
}

}  // namespace

TEST(FoxReader, RealFilesPlaceMoleculesAndLoneAtoms) {
    if (!std::filesystem::exists(foxDirectory + "Cimetidine.xml")) GTEST_SKIP() << "no FOX files at " << foxDirectory;
    ScratchDirectory dir;
    const StructureReader reader;

    CrystalStructure cimetidine = reader.readFoxXMLFile(foxDirectory + "Cimetidine.xml");
    ASSERT_NE(cimetidine.spaceGroupSetting(), nullptr);
    EXPECT_EQ(cimetidine.spaceGroupSetting()->number, 14);
    EXPECT_EQ(cimetidine.spaceGroupSetting()->extension, "b3");
    EXPECT_EQ(cimetidine.originalAtoms().size(), 17u);
    EXPECT_EQ(cimetidine.getCellAtoms().size(), 68u);
    EXPECT_NEAR(shortestDistance(cimetidine, "C", "S"), 1.862, 0.01);
    EXPECT_NEAR(shortestDistance(cimetidine, "C", "N"), 1.227, 0.01);
    EXPECT_NEAR(shortestIntermolecularDistance(cimetidine), 2.815, 0.01);

    CrystalStructure tartrate = reader.readFoxXMLFile(foxDirectory + "ktartrate.xml");
    EXPECT_EQ(tartrate.spaceGroupSetting()->number, 19);
    EXPECT_NEAR(shortestDistance(tartrate, "K", "O"), 2.759, 0.01);
    EXPECT_NEAR(shortestDistance(tartrate, "C", "O"), 1.204, 0.01);

    CrystalStructure anglesite = reader.readFoxXMLFile(foxDirectory + "pbso4-joint.xml");
    EXPECT_EQ(anglesite.spaceGroupSetting()->number, 62);
    ASSERT_EQ(anglesite.originalAtoms().size(), 6u);
    EXPECT_FLOAT_EQ(anglesite.originalAtoms()[0].x(), 0.187226f);  // the lone Pb as written
    EXPECT_NEAR(shortestDistance(anglesite, "S", "O"), 1.425, 0.01);
    EXPECT_NEAR(shortestDistance(anglesite, "Pb", "O"), 2.527, 0.01);
}

TEST(FoxReader, MoleculeAtomsAreTurnedConvertedAndOffset) {
    const struct {
        const char* quaternion;
        float x;
    } cases[] = {
        {"Q0=\"1\" Q1=\"0\" Q2=\"0\" Q3=\"0\"", 0.6f},  // identity
        {"Q0=\"0\" Q1=\"0\" Q2=\"0\" Q3=\"1\"", 0.4f},  // half turn about z
        {"Q0=\"2\" Q1=\"0\" Q2=\"0\" Q3=\"0\"", 0.9f},  // not normalised: scales by 4
    };
    for (const auto& c : cases) {
        const CrystalStructure s = readFox(crystal(
            molecule(c.quaternion, "      <Atom Name=\"C1\" ScattPow=\"C\" x=\"1\" y=\"0\" z=\"0\" Occup=\"1\"/>\n")));
        ASSERT_EQ(s.originalAtoms().size(), 1u) << c.quaternion;
        const AtomSite& atom = s.originalAtoms()[0];
        EXPECT_NEAR(atom.x(), c.x, 1e-6) << c.quaternion;
        EXPECT_NEAR(atom.y(), 0.5f, 1e-6);
        EXPECT_NEAR(atom.z(), 0.5f, 1e-6);
        EXPECT_EQ(atom.label(), "C1");
        EXPECT_EQ(atom.elementNumber(), 6);
    }
}

TEST(FoxReader, LoneAtomsKeepTheirFractionalCoordinatesAndNamesMatchWhole) {
    const CrystalStructure s = readFox(crystal(
        "    <Atom Name=\"Ox1\" ScattPow=\"O\">\n      <Par Name=\"x\">0.1</Par>\n      <Par Name=\"y\">0.2</Par>\n"
        "      <Par Name=\"z\">0.3</Par>\n    </Atom>\n" +
        molecule("Q0=\"0\" Q1=\"0\" Q2=\"0\" Q3=\"1\"",
                 "      <Atom Name=\"xy\" ScattPow=\"N\" x=\"1\" y=\"2\" z=\"3\" Occup=\"1\"/>\n") +
        "    <Atom Name=\"Kx\" ScattPow=\"K\" x=\"0.25\" y=\"0.5\" z=\"0.75\"/>\n"));
    ASSERT_EQ(s.originalAtoms().size(), 3u);
    EXPECT_FLOAT_EQ(s.originalAtoms()[0].x(), 0.1f);
    EXPECT_FLOAT_EQ(s.originalAtoms()[0].z(), 0.3f);
    EXPECT_EQ(s.originalAtoms()[0].label(), "Ox1");
    const AtomSite& n = s.originalAtoms()[1];  // (1, 2, 3) turned to (-1, -2, 3), then / 10 + 0.5
    EXPECT_NEAR(n.x(), 0.4f, 1e-6);
    EXPECT_NEAR(n.y(), 0.3f, 1e-6);
    EXPECT_NEAR(n.z(), 0.8f, 1e-6);
    EXPECT_FLOAT_EQ(s.originalAtoms()[2].x(), 0.25f);  // after the molecule: lone again
    EXPECT_EQ(s.originalAtoms()[2].elementNumber(), 19);
}

TEST(FoxReader, OnlyTheFirstCrystalWithAtomsIsRead) {
    ScratchDirectory dir;
    const std::string one = crystal("    <Atom Name=\"A\" ScattPow=\"C\" x=\"0.1\" y=\"0.1\" z=\"0.1\"/>\n", "P 1 21/c 1");
    const std::string empty = crystal("", "F m -3 m");
    ReadNotes notes;
    const CrystalStructure s = readFox(empty + one + one, &notes);
    EXPECT_EQ(s.symmetryOperations().size(), 4u);
    EXPECT_EQ(s.originalAtoms().size(), 1u);
    EXPECT_EQ(notes.problems, std::vector<std::string>{"crystals after the first ignored"});
    std::ifstream log("log.txt");
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_EQ(text.str(),
              "starting readFoxXMLFile function: test.xml\nSpace group: F m -3 m\nSpace group: P 1 21/c 1\n"
              "readFoxXMLFile: crystals after the first ignored\n");
}

TEST(FoxReader, RepeatedCellLinesDoNotMultiplyTheOperations) {
    std::string body;
    for (int i = 0; i < 1000; ++i) body += "    <Par Name=\"gamma\">90</Par>\n";
    body += "    <Atom Name=\"A\" ScattPow=\"C\" x=\"0.1\" y=\"0.2\" z=\"0.3\"/>\n";
    ReadNotes notes;
    CrystalStructure s = readFox(crystal(body, "F d -3 m"), &notes);
    EXPECT_EQ(s.symmetryOperations().size(), 192u);
    EXPECT_EQ(s.getCellAtoms().size(), 192u);
    EXPECT_EQ(notes.problems, std::vector<std::string>{"repeated cell angle gamma ignored"});
}

TEST(FoxReader, MissingFileLogsFailAndGivesAnEmptyStructure) {
    ScratchDirectory dir;
    ReadNotes notes;
    notes.opened = true;
    const CrystalStructure s = StructureReader().readFoxXMLFile("missing.xml", &notes);
    EXPECT_FALSE(notes.opened);
    EXPECT_TRUE(s.originalAtoms().empty());
    std::ifstream log("log.txt");
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_EQ(text.str(), "starting readFoxXMLFile function: missing.xml\nfail()\n");
}
