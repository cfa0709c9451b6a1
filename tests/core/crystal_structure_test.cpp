// The structure record: cell matrices, atoms, copies, ids, space-group status.
#include <gtest/gtest.h>

#include <cmath>

#include "model/loaded_structure.h"
#include "symmetry/space_group_setting.h"

namespace {

CrystalStructure cubic(float a, const char* group) {
    CrystalStructure s;
    s.setCell(a, a, a, 90, 90, 90);
    s.setSpaceGroup(group);
    return s;
}

}  // namespace

TEST(CrystalStructure, CellMatricesOnlyAfterSetSpaceGroup) {
    CrystalStructure s;
    s.setCell(10, 10, 10, 90, 90, 90);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(s.cell().fracToCart[i][j], 0.0f);

    s.setSpaceGroup("P 1");
    const auto& m = s.cell().fracToCart;
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(m[i][i], 10.0f);
    // cos(90°) with the ten-digit pi is about 4.49e-11, times 10.
    EXPECT_NEAR(m[0][1], 4.49e-10, 1e-11);
    EXPECT_NEAR(m[0][2], 4.49e-10, 1e-11);
    EXPECT_EQ(m[1][0], 0.0f);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double product = 0;
            for (int k = 0; k < 3; ++k) product += double(m[i][k]) * s.cell().cartToFrac[k][j];
            EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-6);
        }
}

TEST(CrystalStructure, ObliqueCellConvertsBothWays) {
    CrystalStructure s;
    s.setCell(5.2f, 7.1f, 9.3f, 80, 105, 117);
    s.setSpaceGroup("P-1");
    float cart[3], back[3];
    s.fracToCartesian(0.25f, -0.5f, 1.5f, cart);
    s.cartesianToFrac(cart[0], cart[1], cart[2], back);
    EXPECT_NEAR(back[0], 0.25f, 1e-5);
    EXPECT_NEAR(back[1], -0.5f, 1e-5);
    EXPECT_NEAR(back[2], 1.5f, 1e-5);
    s.fracToCartesian(0, 1, 0, cart);  // b lies in the xy plane with length b
    EXPECT_NEAR(cart[2], 0, 1e-6);
    EXPECT_NEAR(std::hypot(cart[0], cart[1]), 7.1, 1e-5);
}

TEST(CrystalStructure, AddAtomAppendsToBothAsymmetricLists) {
    CrystalStructure s = cubic(10, "P 1");
    for (int i = 0; i < 4; ++i) s.addAtom(AtomSite(0.1f * i, 0, 0, "C" + std::to_string(i), std::string("C")));
    ASSERT_EQ(s.originalAtoms().size(), 4u);
    ASSERT_EQ(s.asymmetricAtoms().size(), 4u);
    EXPECT_EQ(s.asymmetricAtoms()[3].label(), "C3");
}

TEST(CrystalStructure, LoadedStructureKeepsItsFileWhenAssignedAStructure) {
    LoadedStructure entry;
    entry.fileName = "a.cif";
    entry.filePath = "dir/a.cif";
    entry = cubic(4, "Fm-3m");
    EXPECT_EQ(entry.fileName, "a.cif");
    EXPECT_EQ(entry.filePath, "dir/a.cif");
    EXPECT_EQ(entry.symmetryOperations().size(), 192u);
}

TEST(CrystalStructure, FreshStructureIsHarmless) {
    const CrystalStructure s;
    EXPECT_EQ(s.id(), -1);
    EXPECT_TRUE(s.symmetryOperations().empty());
    EXPECT_EQ(s.spaceGroupSetting(), nullptr);
    EXPECT_TRUE(s.spaceGroupRecognised());  // nothing was asked yet
    EXPECT_EQ(s.cell().cartToFrac[0][0], 0.0f);
}

TEST(CrystalStructure, UnrecognisedSpaceGroupGivesNoOperationsAndSaysSo) {
    CrystalStructure s;
    s.setCell(10, 10, 10, 90, 90, 90);
    s.setSpaceGroup("'P 21/c'");
    EXPECT_EQ(s.spaceGroupName(), "'P 21/c'");
    EXPECT_TRUE(s.symmetryOperations().empty());
    EXPECT_FALSE(s.spaceGroupRecognised());
    EXPECT_FLOAT_EQ(s.cell().fracToCart[0][0], 10.0f);  // matrices are computed all the same
    s.addAtom(AtomSite(0.1f, 0.2f, 0.3f, "O1", std::string("O")));
    EXPECT_TRUE(s.getCellAtoms().empty());
}

TEST(CrystalStructure, SecondSetSpaceGroupAppendsOperations) {
    CrystalStructure s = cubic(10, "P21/c");
    s.setSpaceGroup("P-1");
    EXPECT_EQ(s.symmetryOperations().size(), 6u);
    EXPECT_EQ(s.spaceGroupSetting()->number, 2);
}
