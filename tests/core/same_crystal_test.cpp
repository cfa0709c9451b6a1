// One crystal described twice (another setting, cell choice or origin) must
// compare as identical with every method.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "io/run_log.h"
#include "io/structure_reader.h"
#include "similarity/similarity_run.h"

namespace {

struct Site {
    const char* label;
    const char* type;
    double x, y, z;
};

LoadedStructure structure(const char* name, const char* group, const double cell[6], const std::vector<Site>& sites) {
    LoadedStructure s;
    s.fileName = name;
    s.setCell(float(cell[0]), float(cell[1]), float(cell[2]), float(cell[3]), float(cell[4]), float(cell[5]));
    s.setSpaceGroup(group);
    for (const Site& site : sites)
        s.addAtom(AtomSite(float(site.x), float(site.y), float(site.z), site.label, std::string(site.type)));
    return s;
}

void expectIdenticalWithEveryMethod(const LoadedStructure& first, const LoadedStructure& second) {
    setRunLogEnabled(false);
    for (SimilarityMethod method : {SimilarityMethod::PdfModified, SimilarityMethod::Pdf, SimilarityMethod::DistanceAngle,
                                    SimilarityMethod::Histogram, SimilarityMethod::Cumulative}) {
        const SimilarityResult result = runSimilarity({first, second}, method, methodInfo(method).defaults);
        ASSERT_EQ(result.matrix.size(), 2u);
        EXPECT_LT(result.matrix[0][1], 1e-4) << methodInfo(method).name << ": " << first.fileName << " vs "
                                             << second.fileName;
    }
    setRunLogEnabled(true);
}

// Anglesite, PbSO4, in Pnma.
const double pnmaCell[6] = {8.482, 5.398, 6.959, 90, 90, 90};
const std::vector<Site> pnmaSites = {{"Pb1", "Pb", 0.1874, 0.25, 0.1667},
                                     {"S1", "S", 0.0654, 0.25, 0.6841},
                                     {"O1", "O", 0.9082, 0.25, 0.5952},
                                     {"O2", "O", 0.1937, 0.25, 0.5434},
                                     {"O3", "O", 0.0811, 0.0272, 0.8086}};

// Monoclinic VO2 in P 1 21/c 1, beta 122.6°.
const double vo2Cell[6] = {5.743, 4.517, 5.375, 90, 122.6, 90};
const std::vector<Site> vo2Sites = {{"V1", "V", 0.2597, 0.9793, 0.0252},
                                    {"O1", "O", 0.1065, 0.2119, 0.2045},
                                    {"O2", "O", 0.3986, 0.7024, 0.2990}};

double length(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }
double angle(const double u[3], const double v[3]) {
    return std::acos((u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) / (length(u) * length(v))) * 180 / M_PI;
}

}  // namespace

TEST(SameCrystal, OrthorhombicPnmaAndPbnm) {
    // Setting cab: a' = c, b' = a, c' = b, so (x', y', z') = (z, x, y).
    const double cell[6] = {pnmaCell[2], pnmaCell[0], pnmaCell[1], 90, 90, 90};
    std::vector<Site> permuted;
    for (const Site& s : pnmaSites) permuted.push_back({s.label, s.type, s.z, s.x, s.y});
    expectIdenticalWithEveryMethod(structure("pnma", "P n m a", pnmaCell, pnmaSites),
                                   structure("pbnm", "P b n m", cell, permuted));
}

TEST(SameCrystal, MonoclinicInTwoCellChoices) {
    // P 1 21/n 1 with a' = a, b' = -b, c' = -(a + c): (x', y', z') = (x - z, -y, -z).
    const double beta = vo2Cell[4] * M_PI / 180;
    const double a[3] = {vo2Cell[0], 0, 0};
    const double c[3] = {vo2Cell[2] * std::cos(beta), 0, vo2Cell[2] * std::sin(beta)};
    const double cNew[3] = {-(a[0] + c[0]), 0, -(a[2] + c[2])};
    const double cell[6] = {vo2Cell[0], vo2Cell[1], length(cNew), 90, angle(a, cNew), 90};
    ASSERT_GT(cell[4], 90);
    std::vector<Site> transformed;
    for (const Site& s : vo2Sites) transformed.push_back({s.label, s.type, s.x - s.z, -s.y, -s.z});
    expectIdenticalWithEveryMethod(structure("p21c", "P 1 21/c 1", vo2Cell, vo2Sites),
                                   structure("p21n", "P 1 21/n 1", cell, transformed));
}

TEST(SameCrystal, MolecularCrystalWithItsOriginOnAnotherInversionCentre) {
    const double cell[6] = {7.21, 8.34, 9.87, 90, 104.3, 90};
    const std::vector<Site> molecule = {{"C1", "C", 0.112, 0.201, 0.315}, {"C2", "C", 0.231, 0.155, 0.402},
                                        {"N1", "N", 0.305, 0.262, 0.468}, {"O1", "O", 0.027, 0.118, 0.246},
                                        {"C3", "C", 0.266, 0.411, 0.452}, {"S1", "S", 0.421, 0.468, 0.561}};
    std::vector<Site> moved;
    for (const Site& s : molecule) moved.push_back({s.label, s.type, s.x - 0.5, s.y, s.z});
    expectIdenticalWithEveryMethod(structure("original", "P 1 21/c 1", cell, molecule),
                                   structure("moved", "P 1 21/c 1", cell, moved));
}

TEST(SameCrystal, CimetidineWithItsOriginMoved) {
    const std::string path = std::string(TESSARA_FOX_DIR) + "/Cimetidine.xml";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no " << path;
    setRunLogEnabled(false);
    LoadedStructure original;
    original = StructureReader().readFoxXMLFile(path);
    setRunLogEnabled(true);
    original.fileName = "Cimetidine";
    LoadedStructure moved;
    moved.fileName = "Cimetidine moved";
    moved.setCell(original.a(), original.b(), original.c(), original.alpha(), original.beta(), original.gamma());
    moved.setSpaceGroup(original.spaceGroupName());
    for (const AtomSite& atom : original.originalAtoms()) {
        AtomSite shifted = atom;
        shifted.setXYZ(atom.x() + 0.5f, atom.y(), atom.z());
        moved.addAtom(shifted);
    }
    expectIdenticalWithEveryMethod(original, moved);
}
