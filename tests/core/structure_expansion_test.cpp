// The unit-cell content derived from the asymmetric unit, its caches and edits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/crystal_structure.h"

namespace {

CrystalStructure withAtoms(const char* group, std::initializer_list<AtomSite> atoms, float a = 10) {
    CrystalStructure s;
    s.setCell(a, a + 1, a + 2, 90, 100, 90);
    s.setSpaceGroup(group);
    for (const AtomSite& atom : atoms) s.addAtom(atom);
    return s;
}

AtomSite atom(float x, float y, float z, const char* label, const char* type = "C") {
    return AtomSite(x, y, z, label, std::string(type));
}

void expectAt(const AtomSite& a, float x, float y, float z) {
    EXPECT_FLOAT_EQ(a.x(), x);
    EXPECT_FLOAT_EQ(a.y(), y);
    EXPECT_FLOAT_EQ(a.z(), z);
}

}  // namespace

TEST(StructureExpansion, P21cListsImagesAtomByAtomInOperationOrder) {
    CrystalStructure s = withAtoms("P 21/c", {atom(0.1f, 0.2f, 0.3f, "A", "O"), atom(0.4f, 0.1f, 0.2f, "B")});
    const std::vector<AtomSite> cell = s.getCellAtoms();
    ASSERT_EQ(cell.size(), 8u);
    expectAt(cell[0], 0.1f, 0.2f, 0.3f);
    expectAt(cell[1], 0.9f, 0.7f, 0.2f);  // -x, y+1/2, -z+1/2
    expectAt(cell[2], 0.9f, 0.8f, 0.7f);  // -x, -y, -z
    expectAt(cell[3], 0.1f, 0.3f, 0.8f);  // x, -y+1/2, z+1/2
    EXPECT_EQ(cell[3].label(), "A");
    EXPECT_EQ(cell[3].elementNumber(), 8);
    expectAt(cell[4], 0.4f, 0.1f, 0.2f);
    EXPECT_EQ(cell[5].label(), "B");

    const std::vector<AtomSite> images = s.getImageAtoms();
    ASSERT_EQ(images.size(), 6u);
    expectAt(images[0], 0.9f, 0.7f, 0.2f);
    expectAt(images[3], 0.6f, 0.6f, 0.3f);  // B under the two-fold screw
}

TEST(StructureExpansion, SpecialPositionsKeepTheirCoincidentImages) {
    CrystalStructure s = withAtoms("P-1", {atom(0, 0, 0, "Na", "Na")});
    ASSERT_EQ(s.getCellAtoms().size(), 2u);
    expectAt(s.getCellAtoms()[1], 0, 0, 0);
    EXPECT_EQ(s.getImageAtoms().size(), 1u);
}

TEST(StructureExpansion, WrappingBringsCoordinatesIntoTheCell) {
    const struct {
        float in, out;
    } cases[] = {{1.25f, 0.25f}, {-0.25f, 0.75f}, {0.5f, 0.5f}, {-1e-9f, 1.0f}, {3.0f, 0.0f}, {-2.5f, 0.5f}};
    for (const auto& c : cases) {
        AtomSite a = atom(c.in, 0, 0, "X");
        wrapIntoCell(a);
        EXPECT_EQ(a.x(), c.out) << c.in;
    }
    // Nothing to reduce: left as it is, and the call returns.
    for (float odd : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(), 1e30f,
                      -3e12f}) {
        AtomSite a = atom(odd, 0, 0, "X");
        wrapIntoCell(a);
        EXPECT_EQ(a.x(), odd);
    }
    AtomSite a = atom(std::nanf(""), 0, 0, "X");
    wrapIntoCell(a);
    EXPECT_TRUE(std::isnan(a.x()));
}

TEST(StructureExpansion, AsymmetricUnitWrapsOnlyWhenAsked) {
    for (bool wrap : {true, false}) {
        CrystalStructure s = withAtoms("P 1", {atom(1.25f, -0.25f, 0.5f, "X")});
        s.setWrapAsymmetricAtoms(wrap);
        expectAt(s.getCellAtoms()[0], 0.25f, 0.75f, 0.5f);
        if (wrap) expectAt(s.asymmetricAtoms()[0], 0.25f, 0.75f, 0.5f);
        else expectAt(s.asymmetricAtoms()[0], 1.25f, -0.25f, 0.5f);
        expectAt(s.originalAtoms()[0], 1.25f, -0.25f, 0.5f);
    }
}

TEST(StructureExpansion, CartesianListsFollowTheFractionalOnes) {
    CrystalStructure s = withAtoms("P 21/c", {atom(0.1f, 0.2f, 0.3f, "A")});
    const std::vector<AtomSite> cart = s.getCellAtomsCartesian();
    ASSERT_EQ(cart.size(), 4u);
    float expected[3];
    s.fracToCartesian(s.getCellAtoms()[2].x(), s.getCellAtoms()[2].y(), s.getCellAtoms()[2].z(), expected);
    expectAt(cart[2], expected[0], expected[1], expected[2]);
    EXPECT_EQ(s.getImageAtomsCartesian().size(), 3u);
    EXPECT_EQ(s.getAsymmetricAtomsCartesian().size(), 1u);
}

TEST(StructureExpansion, MovingAndMirroringRebuildFromTheEditedUnit) {
    CrystalStructure s = withAtoms("P-1", {atom(0.1f, 0.2f, 0.3f, "A")});
    const AtomSite before = s.getCellAtoms()[1];
    s.moveAsymmetricUnit(0, 0, 0);
    EXPECT_FALSE(s.cellAtoms().empty()) << "a zero move keeps the caches";

    s.moveAsymmetricUnit(0.5f, 0, 0);
    EXPECT_TRUE(s.cellAtoms().empty());
    expectAt(s.originalAtoms()[0], 0.6f, 0.2f, 0.3f);
    expectAt(s.getCellAtoms()[1], 0.4f, 0.8f, 0.7f);

    s.moveAsymmetricUnit(-0.5f, 0, 0);
    expectAt(s.getCellAtoms()[1], before.x(), before.y(), before.z());

    const float x = s.originalAtoms()[0].x();
    s.mirrorAsymmetricUnitX();
    EXPECT_TRUE(s.cellAtoms().empty());
    EXPECT_EQ(s.originalAtoms()[0].x(), -x);
    s.mirrorAsymmetricUnitX();
    EXPECT_EQ(s.originalAtoms()[0].x(), x);
}

TEST(StructureExpansion, CellVolume) {
    CrystalStructure cube;
    cube.setCell(10, 10, 10, 90, 90, 90);
    cube.setSpaceGroup("P 1");
    EXPECT_NEAR(cube.cellVolume(), 1000.0f, 1e-3);

    CrystalStructure mono;
    mono.setCell(5, 6, 7, 90, 120, 90);
    mono.setSpaceGroup("P 21/c");
    EXPECT_NEAR(mono.cellVolume(), 5 * 6 * 7 * std::sin(120 * M_PI / 180), 1e-3);
}

TEST(StructureExpansion, EmptyStructuresExpandToNothing) {
    CrystalStructure s;
    EXPECT_TRUE(s.getCellAtoms().empty());
    EXPECT_TRUE(s.getImageAtomsCartesian().empty());
    EXPECT_TRUE(s.getAsymmetricAtoms().empty());
}
