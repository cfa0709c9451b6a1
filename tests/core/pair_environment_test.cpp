// Centre atoms, their neighbour cells and the pair list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"
#include "geometry/pair_environment.h"

namespace {

CrystalStructure oneAtom(const char* group, float a, float x = 0, const char* type = "C") {
    CrystalStructure s;
    s.setCell(a, a, a, 90, 90, 90);
    s.setSpaceGroup(group);
    s.addAtom(AtomSite(x, 0, 0, "A1", std::string(type)));
    return s;
}

}  // namespace

TEST(PairEnvironment, CellRangeCoversTheReach) {
    const struct {
        float a;
        double reach;
        int cells, environmentAtoms;
    } cases[] = {
        {5, 10, 2, 124},   // 5 Å cube, R = 10: -2..2
        {5, 0, 1, 26},     // the range never shrinks below -1..1
        {5, 5, 1, 26},
        {10, 10, 1, 26},
        {5.2f, 10, 2, 124},
        {5, 10.5, 3, 342},  // a Gaussian's half-window needs one more cell
    };
    for (const auto& c : cases) {
        const PairEnvironment env(oneAtom("P 1", c.a), static_cast<int>(c.reach), false, c.reach);
        EXPECT_EQ(env.cellRange().high[0], c.cells) << c.a << " " << c.reach;
        EXPECT_EQ(env.cellRange().low[2], -c.cells);
        EXPECT_EQ(env.environmentAtoms().size(), std::size_t(c.environmentAtoms)) << c.a << " " << c.reach;
        EXPECT_EQ(env.centreAtoms().size(), 1u);
    }
}

TEST(PairEnvironment, PairsWithinReachWithMassProducts) {
    const PairEnvironment env(oneAtom("P 1", 5), 10, false, 10);
    // Lattice points closer than 10 Å: |n|² of 1, 2 and 3 (6 + 12 + 8), not the six at exactly 10.
    ASSERT_EQ(env.pairs().size(), 26u);
    const auto shortest = std::min_element(env.pairs().begin(), env.pairs().end(),
                                           [](const AtomPair& x, const AtomPair& y) { return x.distance < y.distance; });
    EXPECT_FLOAT_EQ(shortest->distance, 5.0f);
    EXPECT_FLOAT_EQ(shortest->weight, 12.011f * 12.011f);
}

TEST(PairEnvironment, ObliqueCellsUseThePlaneSpacing) {
    // gamma = 30°: the a axis is 5 Å long but its lattice planes are only 2.5 Å apart.
    CrystalStructure s;
    s.setCell(5, 5, 5, 90, 90, 30);
    s.setSpaceGroup("P 1");
    s.addAtom(AtomSite(0, 0, 0, "A1", std::string("C")));
    const PairEnvironment env(s, 10, false, 10);
    EXPECT_GE(env.cellRange().high[0], 4);  // 10 / 2.5, or one more where rounding asks for it
    EXPECT_LE(env.cellRange().high[2], 3);
    // Every lattice point within reach is there: count them directly.
    int expected = 0;
    for (int i = -10; i <= 10; ++i)
        for (int j = -10; j <= 10; ++j)
            for (int k = -3; k <= 3; ++k) {
                float p[3];
                s.fracToCartesian(float(i), float(j), float(k), p);
                const double d = std::sqrt(double(p[0]) * p[0] + double(p[1]) * p[1] + double(p[2]) * p[2]);
                if ((i || j || k) && d < 10) ++expected;
            }
    EXPECT_EQ(env.pairs().size(), std::size_t(expected));
}

TEST(PairEnvironment, SpecialPositionsAndHydrogen) {
    const PairEnvironment inverted(oneAtom("P-1", 5), 10, false, 10);
    ASSERT_FALSE(inverted.environmentAtoms().empty());
    EXPECT_FLOAT_EQ(inverted.environmentAtoms()[0].x(), 0);  // the coincident inversion image comes first
    EXPECT_EQ(inverted.pairs()[0].distance, 0.0f);

    CrystalStructure water;
    water.setCell(6, 6, 6, 90, 90, 90);
    water.setSpaceGroup("P 1");
    water.addAtom(AtomSite(0.1f, 0.1f, 0.1f, "O1", std::string("O")));
    water.addAtom(AtomSite(0.25f, 0.1f, 0.1f, "H1", std::string("H")));
    water.addAtom(AtomSite(0.1f, 0.25f, 0.1f, "H2", std::string("H")));
    for (bool hydrogens : {false, true}) {
        const PairEnvironment env(water, 5, hydrogens, 5);
        EXPECT_EQ(env.centreAtoms().size(), hydrogens ? 3u : 1u);
        const bool anyHydrogen = std::any_of(env.environmentAtoms().begin(), env.environmentAtoms().end(),
                                             [](const AtomSite& a) { return a.elementNumber() == 1; });
        EXPECT_EQ(anyHydrogen, hydrogens);
    }
}

TEST(PairEnvironment, CentreAtomsSeeEachOtherFromBothEnds) {
    // Two atoms in one cell: each sees the other once, so a bond counts the
    // same whether or not it crosses a cell face.
    for (float shift : {0.0f, 0.45f}) {
        CrystalStructure s;
        s.setCell(20, 20, 20, 90, 90, 90);
        s.setSpaceGroup("P 1");
        s.addAtom(AtomSite(0.5f + shift, 0.5f, 0.5f, "C1", std::string("C")));
        s.addAtom(AtomSite(0.55f + shift, 0.5f, 0.5f, "C2", std::string("C")));
        const PairEnvironment env(s, 3, false, 3);
        ASSERT_EQ(env.pairs().size(), 2u) << shift;
        EXPECT_NEAR(env.pairs()[0].distance, 1.0f, 1e-5);
        EXPECT_NEAR(env.pairs()[1].distance, 1.0f, 1e-5);
    }
}

TEST(PairEnvironment, DegenerateCellsGiveAnEmptyEnvironmentAndSaySo) {
    for (float a : {0.0f, 1e-4f, std::nanf("")}) {
        const PairEnvironment env(oneAtom("P 1", a), 10, false, 10);
        EXPECT_TRUE(env.pairs().empty()) << a;
        EXPECT_TRUE(env.environmentAtoms().empty());
        EXPECT_NE(env.problem().find("cell too small or degenerate"), std::string::npos) << env.problem();
    }
}

TEST(Geometry, DistancesAndAngles) {
    const CartesianPoint o{0, 0, 0}, x{1, 0, 0}, mx{-1, 0, 0}, y{0, 1, 0};
    EXPECT_DOUBLE_EQ(distanceBetween(x, mx), 2.0);
    const float straight = angleAtVertex(mx, o, x);
    EXPECT_LT(straight, 180.0f);
    EXPECT_NEAR(straight, 180.0f, 1e-4);
    EXPECT_EQ(angleAtVertex(o, o, x), 0.0f);
    EXPECT_EQ(angleAtVertex(x, o, o), 0.0f);
    EXPECT_NEAR(angleAtVertex(x, o, y), 90.0f, 1e-4);
    const CartesianPoint top{0.5f, std::sqrt(3.0f) / 2, 0};
    EXPECT_NEAR(angleAtVertex(x, o, top), 60.0f, 1e-5);
}
