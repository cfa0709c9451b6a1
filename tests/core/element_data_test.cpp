// Atoms find their element row by exact symbol.
#include <gtest/gtest.h>

#include "model/atom_site.h"

TEST(ElementData, SymbolsResolveExactlyOrFallBack) {
    const struct {
        const char* symbol;
        int number;
        float mass, covalentRadius, bondTolerance;
    } cases[] = {
        {"H", 1, 1.008f, 38, 0.15f},     {"C", 6, 12.011f, 77, 0.2f},      {"O", 8, 15.9994f, 73, 0.2f},
        {"Lr", 103, 256, 155, 0.1f},      {"Hb", 99, 1.008f, 38, 0.1f},     {"HB", 101, 1.008f, 38, 0.1f},
        {"LP", 100, 1, 15, 0.1f},         {"U", 92, 238.029f, 155, 0.1f},
        // no trimming, no case folding, no stripping of digits or charges
        {"c", 103, 0, 0.1f, 0.01f},       {"C1", 103, 0, 0.1f, 0.01f},      {" C", 103, 0, 0.1f, 0.01f},
        {"O2-", 103, 0, 0.1f, 0.01f},     {"", 103, 0, 0.1f, 0.01f},
    };
    for (const auto& c : cases) {
        const AtomSite atom(0, 0, 0, "X", std::string(c.symbol));
        EXPECT_EQ(atom.elementNumber(), c.number) << "«" << c.symbol << "»";
        EXPECT_FLOAT_EQ(atom.mass(), c.mass) << c.symbol;
        EXPECT_FLOAT_EQ(atom.element().covalentRadius, c.covalentRadius) << c.symbol;
        EXPECT_FLOAT_EQ(atom.element().bondTolerance, c.bondTolerance) << c.symbol;
        EXPECT_TRUE(atom.element().symbol.empty());
    }
}

TEST(ElementData, ConstructionsAndRetyping) {
    const AtomSite blank;
    EXPECT_EQ(blank.elementNumber(), 103);
    EXPECT_EQ(blank.mass(), -1.0f);
    EXPECT_EQ(blank.element().covalentRadius, 0.0f);

    const AtomSite byNumber(1, 2, 3, "C7", 6);
    EXPECT_EQ(byNumber.mass(), 12.011f);
    EXPECT_TRUE(byNumber.typeSymbol().empty());
    EXPECT_EQ(AtomSite(0, 0, 0, "X", 0).mass(), 0.0f);  // out of the table: fallback numbers

    AtomSite atom(0, 0, 0, "A", std::string("Q"));
    atom.setTypeSymbol("Fe");
    EXPECT_EQ(atom.elementNumber(), 26);
    EXPECT_EQ(atom.mass(), 55.847f);
}
