// Every setting's generated operations against an independent library's, plus
// the group properties every export must have.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "symmetry/space_group_operations.h"
#include "symmetry/space_group_setting.h"

namespace {

// An operation in exact twelfths, translation reduced into 0..11.
using Exact = std::array<int, 12>;

Exact exact(const SymmetryOperation& op) {
    Exact e{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) e[3 * i + j] = static_cast<int>(std::lround(op.m[i][j]));
        const double twelfths = op.m[i][3] * 12.0;
        EXPECT_NEAR(twelfths, std::round(twelfths), 1e-5) << "translation not in twelfths";
        e[9 + i] = ((static_cast<int>(std::lround(twelfths)) % 12) + 12) % 12;
    }
    return e;
}

Exact product(const Exact& a, const Exact& b) {
    Exact p{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) p[3 * i + j] += a[3 * i + k] * b[3 * k + j];
        int t = a[9 + i];
        for (int k = 0; k < 3; ++k) t += a[3 * i + k] * b[9 + k];
        p[9 + i] = ((t % 12) + 12) % 12;
    }
    return p;
}

struct ReferenceSetting {
    int hallNumber = 0;
    int number = 0;
    std::string hallSymbol;
    std::vector<Exact> operations;
};

std::vector<ReferenceSetting> readReference() {
    std::ifstream in(std::string(TESSARA_FIXTURES) + "/spglib_operations.txt");
    std::vector<ReferenceSetting> settings;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string word, choice;
        std::size_t count = 0;
        ReferenceSetting s;
        fields >> word >> s.hallNumber >> s.number >> choice >> count;
        std::getline(fields >> std::ws, s.hallSymbol);
        for (std::size_t k = 0; k < count && std::getline(in, line); ++k) {
            std::istringstream values(line);
            Exact e{};
            for (int& v : e) values >> v;
            s.operations.push_back(e);
        }
        settings.push_back(s);
    }
    return settings;
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return std::string(text);
}

}  // namespace

TEST(SpaceGroupOperations, AllSettingsEqualIndependentLibrary) {
    const std::vector<ReferenceSetting> reference = readReference();
    ASSERT_EQ(reference.size(), spaceGroupSettingCount);
    for (std::size_t row = 0; row < spaceGroupSettingCount; ++row) {
        const SpaceGroupSetting& setting = spaceGroupSettingTable[row];
        const ReferenceSetting& expected = reference[row];
        SCOPED_TRACE("row " + std::to_string(row + 1) + " " + std::string(setting.hallSymbol));
        ASSERT_EQ(setting.number, expected.number);
        ASSERT_EQ(trimmed(setting.hallSymbol), expected.hallSymbol);

        std::vector<Exact> ours;
        for (const SymmetryOperation& op : operationsFromHallSymbol(setting.hallSymbol)) ours.push_back(exact(op));
        ASSERT_EQ(ours.size(), expected.operations.size());
        std::vector<Exact> theirs = expected.operations;
        std::sort(ours.begin(), ours.end());
        std::sort(theirs.begin(), theirs.end());
        EXPECT_EQ(ours, theirs);
    }
}

TEST(SpaceGroupOperations, EveryExportIsAClosedGroupWithIdentityFirst) {
    const Exact identity{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    for (const SpaceGroupSetting& setting : spaceGroupSettingTable) {
        SCOPED_TRACE(std::string(setting.hallSymbol));
        std::vector<Exact> ops;
        for (const SymmetryOperation& op : operationsFromHallSymbol(setting.hallSymbol)) ops.push_back(exact(op));
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.front(), identity);
        EXPECT_LE(ops.size(), 192u);
        std::vector<Exact> sorted = ops;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "duplicate operation";
        for (const Exact& a : ops)
            for (const Exact& b : ops)
                ASSERT_TRUE(std::binary_search(sorted.begin(), sorted.end(), product(a, b))) << "not closed";
    }
}
