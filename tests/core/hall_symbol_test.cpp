// Hall symbols to exported operations: counts, order, translations, errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "symmetry/hall_symbol_parser.h"
#include "symmetry/operation_text.h"
#include "symmetry/space_group_operations.h"

namespace {

std::vector<std::string> triplets(const std::vector<SymmetryOperation>& ops) {
    std::vector<std::string> texts;
    for (const SymmetryOperation& op : ops) texts.push_back(formatOperation(op));
    return texts;
}

}  // namespace

TEST(HallSymbol, ExportCounts) {
    const struct {
        const char* hall;
        std::size_t count;
    } cases[] = {
        {" P 1", 1},       {"-P 1", 2},         {"-P 2ybc", 4},          {"-C 2yc", 8},
        {"-F 4vw 2vw 3", 192}, {" F 4d 2 3 -1d", 192}, {"-I 4bd 2c 3", 96}, {"-P 6c 2c", 24},
        {"-R 3 2\"", 36},  {"-P 3* 2", 12},     {" P 31 2c (0 0 1)", 6}, {" P 2 2 -1n", 8},
    };
    for (const auto& c : cases) EXPECT_EQ(operationsFromHallSymbol(c.hall).size(), c.count) << c.hall;
}

TEST(HallSymbol, P21cInTheSettingOrderWithExactHalves) {
    const std::vector<SymmetryOperation> ops = operationsFromHallSymbol("-P 2ybc");
    EXPECT_EQ(triplets(ops), (std::vector<std::string>{"x,y,z", "-x,y+1/2,-z+1/2", "-x,-y,-z", "x,-y+1/2,z+1/2"}));
    EXPECT_EQ(ops[1].m[1][3], 0.5f);
    EXPECT_EQ(ops[1].m[2][3], 0.5f);
}

TEST(HallSymbol, ScrewAxisAndOriginShift) {
    // The three-fold keeps its 1/3 along z; the shift of 1/12 moves the two-fold's 1/2 to 2/3 (exported as -1/3).
    EXPECT_EQ(triplets(operationsFromHallSymbol(" P 31 2c (0 0 1)")),
              (std::vector<std::string>{"x,y,z", "-y,x-y,z+1/3", "-x+y,-x,z-1/3", "-y,-x,-z-1/3", "x,x-y,-z",
                                        "-x+y,y,-z+1/3"}));
    const std::vector<SymmetryOperation> p61 = operationsFromHallSymbol(" P 61 2 (0 0 -1)");
    ASSERT_EQ(p61.size(), 12u);
    EXPECT_EQ(formatOperation(p61[1]), "x-y,x,z+1/6");
    EXPECT_EQ(p61[2].m[2][3], 1.0f / 3.0f);
}

TEST(HallSymbol, TranslationsAreExportedInMinusFiveToSixTwelfths) {
    SpaceGroupBuilder builder;
    addOperation(builder, SeitzMatrix{{-1, 0, 0, 0, -1, 0, 0, 0, 1}, {7, 6, 0}});
    const std::vector<SymmetryOperation> ops = exportOperations(builder);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[1].m[0][3], -5.0f / 12.0f);
    EXPECT_EQ(ops[1].m[1][3], 0.5f);
}

TEST(HallSymbol, ParserStopsWhereItCannotGoOn) {
    const struct {
        const char* text;
        std::size_t stop;
    } cases[] = {
        {"-P 2ybc", 7},          {" P 61 2 (0 0 -1)", 16}, {"Q 2", 0},  {"P 5", 2}, {"P 2k", 3},
        {"P 2 (0 0)", 8},        {"P 2 (0 0 7)", 9},        {"P(2222222222", 3},        {"P 4\"", 3}, {"", 0},  {"P 2 2 (0 0 1) x", 14},
    };
    for (const auto& c : cases) {
        SpaceGroupBuilder builder;
        EXPECT_EQ(parseHallSymbol(c.text, builder), c.stop) << "«" << c.text << "»";
    }
}

TEST(HallSymbol, LookupSkipsLeadingBlanksAndFindsNothingForUnknownText) {
    EXPECT_EQ(generateSpaceGroupOperations("  \tP 21/c").size(), 4u);
    EXPECT_TRUE(generateSpaceGroupOperations("no such group").empty());
}
