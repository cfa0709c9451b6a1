// Free-text space-group symbols to table rows.
#include <gtest/gtest.h>

#include <string>

#include "symmetry/schoenflies_symbol.h"
#include "symmetry/setting_extension.h"
#include "symmetry/space_group_lookup.h"

namespace {

struct LookupCase {
    const char* text;
    int number;  // 0: not found
    const char* extension;
};

std::string describe(const SpaceGroupSetting* row) {
    return row ? std::to_string(row->number) + " '" + std::string(row->extension) + "'" : "not found";
}

}  // namespace

TEST(SpaceGroupLookup, ResolvesTheUsualSpellings) {
    const LookupCase cases[] = {
        // monoclinic: short forms, full forms, other cells and unique axes
        {"P21/c", 14, "b1"}, {"P 1 21/c 1", 14, "b1"}, {"p21/c", 14, "b1"}, {"14", 14, "b1"},
        {"C2h^5", 14, "b1"}, {"P21/n", 14, "b2"}, {"P 21/n", 14, "b2"}, {"P21/a", 14, "b3"},
        {"P21/b", 14, "c3"}, {"P 1 1 21/b", 14, "c3"}, {"P2/b", 13, "c3"}, {"P_21/c", 14, "b1"},
        {"C2/c", 15, "b1"}, {"C 2/c", 15, "b1"}, {"C2/c:b2", 15, "b2"}, {"C2/c:-b1", 15, "-b1"},
        {"Cc", 9, "b1"}, {"P 2 1 1", 3, "a"}, {"P21c", 4, "c"}, {"P21/c:c1", 14, "c1"},
        // triclinic and bars
        {"P1", 1, ""}, {"P-1", 2, ""}, {"P1-", 2, ""}, {"PB1", 2, ""}, {"P3b1m", 162, ""},
        // orthorhombic axis permutations
        {"Pnma", 62, ""}, {"62", 62, ""}, {"Pbnm", 62, "cab"}, {"Pbnm:cab", 62, "cab"},
        {"62:cab", 62, "cab"}, {"62:abc", 62, ""}, {"Pnma:cab", 0, ""},
        // origin choices
        {"Fd-3m", 227, "1"}, {"Fd3m", 227, "1"}, {"227", 227, "1"}, {"Fd-3m:2", 227, "2"},
        {"I41/amd", 141, "1"}, {"I 41/a m d S", 141, "1"}, {"I41/amd:2", 141, "2"}, {"I41/amdZ", 141, "2"},
        {"Ia3d", 230, ""}, {"Fd-3m S", 227, "1"}, {"Fd-3m:1S", 0, ""},
        // rhombohedral bases
        {"R-3m", 166, "H"}, {"R-3mH", 166, "H"}, {"R-3m:R", 166, "R"}, {"R-3mR", 166, "R"},
        {"166:R", 166, "R"}, {"R3", 146, "H"},
        // hexagonal
        {"P63/mmc", 194, ""}, {"P6_3/mmc", 194, ""}, {"D6h^4", 194, ""},
        // Schoenflies separators
        {"c2h-5", 14, "b1"}, {"C2H.5", 14, "b1"}, {"C2h5", 0, ""}, {"Oh^10", 230, ""},
        // failures
        {"", 0, ""}, {"   ", 0, ""}, {"0", 0, ""}, {"231", 0, ""}, {"xyz", 0, ""}, {"P 21/c:12", 0, ""},
        {"'P 21/c'", 0, ""}, {"\"P 21/c\"", 0, ""}, {"P21/c:abcdef", 0, ""},
        {"P21/cP21/cP21/cP21/cP", 0, ""},  // 21 characters
        {"Fd-3m:2S", 0, ""},               // origin 2 and suffix origin 1 disagree
        {"Fd-3mH", 0, ""},                 // origin choice group with a basis
        {"12a", 0, ""},
    };
    for (const LookupCase& c : cases) {
        const SpaceGroupSetting* row = findSpaceGroupSetting(c.text);
        const std::string expected =
            c.number ? std::to_string(c.number) + " '" + c.extension + "'" : std::string("not found");
        EXPECT_EQ(describe(row), expected) << "input «" << c.text << "»";
    }
}

TEST(SpaceGroupLookup, NameLengthLimitCountsKeptCharactersOnly) {
    // 20 kept characters are allowed; blanks and underscores do not count.
    EXPECT_EQ(findSpaceGroupSetting("P_1_21/c_1          "), findSpaceGroupSetting("P21/c"));
    EXPECT_EQ(findSpaceGroupSetting("C2/c:  b 2  "), findSpaceGroupSetting("C2/c:b2"));
}

TEST(SettingExtension, ParsesCodeCharactersAndAxisCodes) {
    struct Case {
        const char* text;
        bool ok;
        char origin, cell, basis;
        const char* axis;
    } cases[] = {
        {"", true, 0, 0, 0, ""},        {"b1", true, '1', '1', 0, "b"},  {"1cab", true, '1', '1', 0, "cab"},
        {"-b2", true, '2', '2', 0, "-b"}, {"3", true, 0, '3', 0, ""},     {"c3", true, 0, '3', 0, "c"},
        {"S", true, '1', 0, 0, ""},     {"z", true, '2', 0, 0, ""},       {"H", true, 0, 0, 'H', ""},
        {"r", true, 0, 0, 'R', ""},     {"bac", true, 0, 0, 0, "ba-c"},   {"cba", true, 0, 0, 0, "-cba"},
        {"bb", true, 0, 0, 0, "-b"},    {"BC", true, 0, 0, 0, "-c"},      {"2ba-c", true, '2', '2', 0, "ba-c"},
        {"12", false, 0, 0, 0, ""},     {"b1x", false, 0, 0, 0, ""},      {"x", false, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        ExtensionInfo info;
        ASSERT_EQ(parseExtension(c.text, info), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(info.originChoice, c.origin) << c.text;
        EXPECT_EQ(info.cellChoice, c.cell) << c.text;
        EXPECT_EQ(info.basisChoice, c.basis) << c.text;
        EXPECT_EQ(info.axisCode, c.axis) << c.text;
    }
}

TEST(SchoenfliesSymbol, NumbersFollowTheClassOrder) {
    EXPECT_EQ(schoenfliesSymbol(1), "C1^1");
    EXPECT_EQ(schoenfliesSymbol(14), "C2h^5");
    EXPECT_EQ(schoenfliesSymbol(62), "D2h^16");
    EXPECT_EQ(schoenfliesSymbol(194), "D6h^4");
    EXPECT_EQ(schoenfliesSymbol(230), "Oh^10");
    for (int n = 1; n <= 230; ++n) EXPECT_EQ(findSchoenfliesNumber(schoenfliesSymbol(n)), n);
    EXPECT_EQ(findSchoenfliesNumber("C2h5"), -1);
    EXPECT_EQ(findSchoenfliesNumber("C2h^"), -1);
}

TEST(SpaceGroupLabel, ThreeReadings) {
    EXPECT_TRUE(matchSpaceGroupLabel(2, "P_-1", "PB1"));
    EXPECT_TRUE(matchSpaceGroupLabel(2, "P_-1", "P1-"));
    EXPECT_TRUE(matchSpaceGroupLabel(162, "P_-3_1_m", "P3b1m"));
    EXPECT_TRUE(matchSpaceGroupLabel(227, "F_d_-3_m", "Fd3m"));
    EXPECT_FALSE(matchSpaceGroupLabel(162, "P_-3_1_m", "P31m"));  // bar dropped only for cubic groups
    EXPECT_TRUE(matchSpaceGroupLabel(14, "P_21/c = P_1_21/c_1", "p21/C"));
    EXPECT_FALSE(matchSpaceGroupLabel(14, "P_21/c", "P21/c1"));  // the name must end with the label
}

TEST(SpaceGroupLabel, ExpandsShortMonoclinicSymbols) {
    EXPECT_EQ(expandMonoclinicSymbol('b', "P21/n"), "P121/n1");
    EXPECT_EQ(expandMonoclinicSymbol('c', "P21/b"), "P1121/b");
    EXPECT_EQ(expandMonoclinicSymbol('a', "P21/b"), "P21/b11");
    EXPECT_EQ(expandMonoclinicSymbol('-', "Cc"), "C1c1");
}
