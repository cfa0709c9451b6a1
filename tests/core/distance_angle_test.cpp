// The distance-angle fingerprint: triangle records, their enumeration, the
// perimeter × mean-angle field and the measure between two fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "scratch_directory.h"
#include "similarity/distance_angle_field.h"
#include "similarity/gaussian_window.h"
#include "similarity/field_measure.h"
#include "similarity/fingerprint_angle.h"
#include "similarity/triangle_environment.h"

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();

AtomSite at(float x, float y, float z, const char* type = "C") { return AtomSite(x, y, z, type, std::string(type)); }

CrystalStructure crystal(float a, float b, float c, float beta, const char* group, const std::vector<AtomSite>& atoms) {
    CrystalStructure s;
    s.setCell(a, b, c, 90, beta, 90);
    s.setSpaceGroup(group);
    for (const AtomSite& atom : atoms) s.addAtom(atom);
    return s;
}

// The conventional rock-salt cell written out in P 1, optionally shifted.
CrystalStructure rockSaltP1(float a, float dx = 0, float dy = 0, float dz = 0, bool reversed = false) {
    std::vector<AtomSite> atoms;
    const float f[4][3] = {{0, 0, 0}, {0, 0.5f, 0.5f}, {0.5f, 0, 0.5f}, {0.5f, 0.5f, 0}};
    for (const auto& p : f) atoms.push_back(at(p[0] + dx, p[1] + dy, p[2] + dz, "Na"));
    for (const auto& p : f) atoms.push_back(at(p[0] + 0.5f + dx, p[1] + dy, p[2] + dz, "Cl"));
    if (reversed) std::reverse(atoms.begin(), atoms.end());
    return crystal(a, a, a, 90, "P 1", atoms);
}

// A small molecule-like group of atoms at general positions.
CrystalStructure moleculeP21c(float dx = 0, float dy = 0, float dz = 0) {
    return crystal(5.9f, 4.7f, 7.3f, 104.5f, "P 21/c",
                   {at(0.11f + dx, 0.21f + dy, 0.32f + dz), at(0.27f + dx, 0.08f + dy, 0.41f + dz, "N"),
                    at(0.05f + dx, 0.43f + dy, 0.22f + dz, "O"), at(0.36f + dx, 0.27f + dy, 0.18f + dz, "S")});
}

CrystalStructure moleculePm1() {
    return crystal(4.4f, 5.1f, 6.2f, 97, "P-1",
                   {at(0.12f, 0.3f, 0.25f), at(0.31f, 0.22f, 0.4f, "N"), at(0, 0, 0, "O"), at(0.2f, 0.1f, 0.1f, "H")});
}

// Three atoms far from their images: one triangle of sides 2, 2.4 and 3.12 Å.
CrystalStructure lonelyTriangle() {
    return crystal(40, 40, 40, 90, "P 1",
                   {at(0.5f, 0.5f, 0.5f), at(0.55f, 0.5f, 0.5f, "N"), at(0.5f, 0.56f, 0.5f, "O")});
}

// Every cell atom of `s` as the asymmetric unit of a P 1 structure.
CrystalStructure writtenInP1(CrystalStructure s) {
    std::vector<AtomSite> cell = s.getCellAtoms();
    return crystal(s.a(), s.b(), s.c(), s.beta(), "P 1", cell);
}

TriangleEnvironment builtEnvironment(const CrystalStructure& s, int cutoffRadius, bool includeHydrogens = false) {
    TriangleEnvironment env(s, cutoffRadius, includeHydrogens, cutoffRadius + 0.5);
    env.computeCellRange();
    env.collectEnvironmentAtoms();
    return env;
}

bool sameBits(const std::vector<TriangleRecord>& a, const std::vector<TriangleRecord>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(TriangleRecord)) == 0);
}

DistanceAngleField fingerprintField(const CrystalStructure& s, int cutoffRadius, double sharpness = 100.0) {
    DistanceAngleSettings settings;
    settings.sharpness = sharpness;
    FingerPrintAngle fp(s, cutoffRadius, false, distanceAngleReach(cutoffRadius, settings));
    fp.setSharpness(sharpness);
    fp.compute();
    return fp.field();
}

DistanceAngleField scaled(DistanceAngleField field, float factor) {
    for (auto& row : field)
        for (float& v : row) v *= factor;
    return field;
}

std::string logText() {
    std::ifstream in("log.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Deterministic pseudo-random numbers in [0, 1).
struct Lcg {
    std::uint64_t state;
    float next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>(state >> 40) / 16777216.0f;
    }
};

}  // namespace

TEST(TriangleRecord, PerimeterMeanAngleAndMassSum) {
    const float h = std::sqrt(3.0f);
    const struct {
        const char* name;
        AtomSite a1, a2, a3;
        float perimeter, meanAngle, massSum;
    } cases[] = {
        // The single-precision third makes 60° come out as 59.99974.
        {"equilateral", at(0, 0, 0), at(2, 0, 0, "N"), at(1, h, 0, "O"), 6, 59.99974f, 12.011f + 14.007f + 15.999f},
        {"right 3-4-5", at(0, 0, 0), at(3, 0, 0), at(0, 4, 0), 12, 56.07249f, 3 * 12.011f},
        {"collinear", at(0, 0, 0), at(1, 0, 0), at(3, 0, 0), 6, 0, 3 * 12.011f},
        {"coincident corner", at(0, 0, 0), at(0, 0, 0), at(2, 0, 0), 4, 0, 3 * 12.011f},
    };
    for (const auto& c : cases) {
        const std::optional<TriangleRecord> t = triangleRecord(c.a1, c.a2, c.a3, 15);
        ASSERT_TRUE(t) << c.name;
        EXPECT_NEAR(t->perimeter, c.perimeter, 1e-5) << c.name;
        EXPECT_NEAR(t->meanAngle, c.meanAngle, 1e-5) << c.name;
        EXPECT_NEAR(t->massSum, c.massSum, 1e-3) << c.name;
    }
}

TEST(TriangleRecord, KeepsOnlyPerimetersBelowTheLimit) {
    EXPECT_EQ(trianglePerimeterLimit(10), 15.0f);
    const struct {
        const char* name;
        AtomSite a2, a3;
        bool kept;
    } cases[] = {
        {"3-4-5 scaled to exactly 15", at(3.75f, 0, 0), at(0, 5, 0), false},  // sides 3.75, 5, 6.25
        {"a hair shorter", at(3.75f, 0, 0), at(0, 4.9999f, 0), true},
        {"collinear, exactly 15", at(5, 0, 0), at(7.5f, 0, 0), false},
        {"far side alone reaches the limit", at(-7.5f, 0, 0), at(7.5f, 0, 0), false},
        {"NaN corner", at(notANumber, 0, 0), at(1, 0, 0), false},
        {"infinite corner", at(std::numeric_limits<float>::infinity(), 0, 0), at(1, 0, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(triangleRecord(at(0, 0, 0), c.a2, c.a3, 15).has_value(), c.kept) << c.name;
}

TEST(TriangleEnumeration, FastAndPlainGiveTheSameRecordsInTheSameOrder) {
    const struct {
        const char* name;
        CrystalStructure structure;
        int cutoffRadius;
        bool includeHydrogens;
    } cases[] = {
        {"rock salt in P 1", rockSaltP1(5.64f), 5, false},
        {"molecule in P 21/c", moleculeP21c(), 5, false},
        // Coincident images of the atom on the inversion centre, and hydrogen.
        {"P-1 with a special position", moleculePm1(), 4, true},
        {"small R, limit beyond R", moleculeP21c(), 1, false},
    };
    for (const auto& c : cases) {
        const TriangleEnvironment env = builtEnvironment(c.structure, c.cutoffRadius, c.includeHydrogens);
        const std::vector<TriangleRecord> plain =
            collectTrianglesPlain(env.centreAtoms(), env.environmentAtoms(), env.perimeterLimit());
        EXPECT_GT(plain.size(), 20u) << c.name;
        EXPECT_TRUE(sameBits(collectTriangles(env.centreAtoms(), env.environmentAtoms(), env.perimeterLimit()), plain))
            << c.name;
    }
}

TEST(TriangleEnumeration, FastAndPlainAgreeOnAtomCloudsWithDuplicatesAndNaN) {
    Lcg random{7};
    for (int cloud = 0; cloud < 3; ++cloud) {
        std::vector<AtomSite> centres, environment;
        const char* types[] = {"C", "N", "O", "H"};
        for (int i = 0; i < 5; ++i)
            centres.push_back(at(4 + 4 * random.next(), 4 + 4 * random.next(), 4 * random.next()));
        for (int i = 0; i < 160; ++i)
            environment.push_back(at(12 * random.next() - 1, 12 * random.next(), 9 * random.next() - 3, types[i % 4]));
        environment.push_back(centres[1]);  // an image on top of a centre atom
        environment.push_back(environment[3]);
        environment.insert(environment.begin() + 40, at(notANumber, 5, 5));
        for (float limit : {0.0f, 3.0f, 7.0f, 11.0f}) {
            const std::vector<TriangleRecord> plain = collectTrianglesPlain(centres, environment, limit);
            EXPECT_TRUE(sameBits(collectTriangles(centres, environment, limit), plain)) << cloud << " " << limit;
        }
    }
}

TEST(TriangleEnvironment, SeesEachTriangleOnceFromEveryCentreCorner) {
    ScratchDirectory dir;
    TriangleEnvironment env = builtEnvironment(lonelyTriangle(), 5);
    env.computeDistAngleField();
    env.computeDistAngleField();  // returns at once: no second collection, no second log line
    const std::string log = logText();
    EXPECT_NE(log.find("res size: 3\n"), std::string::npos);
    EXPECT_EQ(log.find("computeDistAngleField"), log.rfind("computeDistAngleField")) << log;
    ASSERT_EQ(env.triangles().size(), 3u);
    for (const TriangleRecord& t : env.triangles()) {
        EXPECT_NEAR(t.perimeter, env.triangles()[0].perimeter, 1e-5);
        EXPECT_NEAR(t.meanAngle, env.triangles()[0].meanAngle, 1e-4);
        EXPECT_NEAR(t.massSum, 12.011f + 14.007f + 15.999f, 1e-3);
    }
    EXPECT_NEAR(env.triangles()[0].perimeter, 2 + 2.4f + std::hypot(2.0f, 2.4f), 1e-4);
}

TEST(TriangleEnvironment, ReachCoversHalfTheLimitForSmallR) {
    // R = 2 gives L = 7: atoms up to 3.5 Å away matter, though the cut-off is 2.
    const TriangleEnvironment env(crystal(3, 3, 3, 90, "P 1", {at(0, 0, 0)}), 2, false, 2);
    EXPECT_GE(env.reach(), 3.5);
}

TEST(FingerPrintAngle, ComputesOnceAndLogsTheCounts) {
    ScratchDirectory dir;
    FingerPrintAngle fp(lonelyTriangle(), 10, false, 13.2);
    EXPECT_EQ(fp.settings().step, 0.1f);
    EXPECT_EQ(fp.settings().amplitude, 1.0);
    EXPECT_EQ(fp.settings().sharpness, 100.0);
    EXPECT_EQ(fp.settings().angleStep, 0.1f);
    fp.compute();
    ASSERT_EQ(fp.field().size(), 100u);
    ASSERT_EQ(fp.field()[0].size(), 700u);
    const DistanceAngleField first = fp.field();
    fp.compute();
    EXPECT_EQ(fp.environment().triangles().size(), 3u);
    EXPECT_EQ(fp.field(), first);
    EXPECT_TRUE(std::regex_match(
        logText(), std::regex("computeDistAngleField\\(\\) time is: [0-9]+ms\n Atoms in: 3, out: 78, res size: 3\n\n")))
        << logText();
}

TEST(FingerPrintAngle, NothingToMakeTrianglesOfGivesAZeroField) {
    CrystalStructure degenerate = crystal(0, 0, 0, 90, "P 1", {at(0, 0, 0), at(0.5f, 0, 0), at(0, 0.5f, 0)});
    const struct {
        const char* name;
        CrystalStructure structure;
    } cases[] = {
        {"no atoms", crystal(6, 6, 6, 90, "P 1", {})},
        {"hydrogen only, hydrogen excluded", crystal(3, 3, 3, 90, "P 1", {at(0, 0, 0, "H"), at(0.3f, 0, 0, "H")})},
        {"degenerate cell", degenerate},
    };
    for (const auto& c : cases) {
        ScratchDirectory dir;
        FingerPrintAngle fp(c.structure, 10, false, 13.2);
        fp.compute();
        EXPECT_TRUE(fp.environment().triangles().empty()) << c.name;
        ASSERT_EQ(fp.field().size(), 100u) << c.name;
        for (const auto& row : fp.field()) {
            ASSERT_EQ(row.size(), 700u);
            for (float v : row) ASSERT_EQ(v, 0.0f) << c.name;
        }
        EXPECT_NE(logText().find(", res size: 0\n"), std::string::npos) << c.name;
    }
}

TEST(FingerPrintAngle, SettersRejectWhatWouldBreakTheGrid) {
    FingerPrintAngle fp(crystal(6, 6, 6, 90, "P 1", {}), 10, false, 13.2);
    EXPECT_THROW(fp.setStep(0), std::invalid_argument);
    EXPECT_THROW(fp.setStep(-0.1f), std::invalid_argument);
    EXPECT_THROW(fp.setAngleStep(notANumber), std::invalid_argument);
    EXPECT_THROW(fp.setSharpness(0), std::invalid_argument);
    EXPECT_THROW(fp.setSharpness(std::numeric_limits<double>::infinity()), std::invalid_argument);
    fp.setStep(0.2f);
    fp.setAngleStep(0.5f);
    fp.setSharpness(1);
    fp.setAmplitude(2);
    EXPECT_EQ(fp.settings().step, 0.2f);
    EXPECT_EQ(fp.settings().angleStep, 0.5f);
    EXPECT_EQ(fp.settings().sharpness, 1.0);
    EXPECT_EQ(fp.settings().amplitude, 2.0);
    EXPECT_THROW(FingerPrintAngle(std::unique_ptr<TriangleEnvironment>()), std::invalid_argument);
}

TEST(DistanceAngleField, GridSizeHalfWindowAndReach) {
    EXPECT_EQ(distanceAngleRows(10, 0.1f), 100u);
    EXPECT_EQ(distanceAngleColumns(0.1f), 700u);  // 70 / 0.1f is a hair below 700
    EXPECT_EQ(distanceAngleRows(5, 0.5f), 11u);
    EXPECT_EQ(distanceAngleColumns(1), 71u);
    EXPECT_EQ(distanceAngleRows(0, 0.1f), 1u);
    EXPECT_EQ(distanceAngleRows(-3, 0.1f), 0u);

    const struct {
        double amplitude, sharpness;
        float step, halfWindow;
    } cases[] = {
        {1, 1, 0.1f, 32},    // x stops at 3.1
        {1, 100, 0.1f, 5},   // x stops at 0.4
        {1, 1, 0.5f, 8},     // x stops at 3.5
        {2, 1, 0.1f, 33},    // a taller peak needs a wider window
        {1e-5, 1, 0.1f, 2},  // below the threshold from the start: one step all the same
    };
    for (const auto& c : cases)
        EXPECT_NEAR(gaussianHalfWindow(c.step, float(c.amplitude), float(c.sharpness), 0.0001), c.halfWindow, 1e-4)
            << c.amplitude << " " << c.sharpness << " " << c.step;

    DistanceAngleSettings settings;
    settings.sharpness = 1;
    EXPECT_NEAR(distanceAngleReach(10, settings), 13.2, 1e-5);
}

TEST(DistanceAngleField, OneRecordMakesAGaussianAroundItsPoint) {
    DistanceAngleSettings settings;
    settings.amplitude = 2;
    settings.sharpness = 1;
    const TriangleRecord t{2.0f, 30.0f, 12.5f};
    for (const DistanceAngleField& field :
         {distanceAngleField({t}, 10, settings), distanceAngleFieldDirect({t}, 10, settings)}) {
        const struct {
            int row, column;
        } points[] = {{20, 300}, {21, 300}, {20, 290}, {25, 312}, {0, 300}, {52, 300}, {20, 331}};
        for (const auto& p : points) {
            // Grid coordinates are single-precision products, as the field's are.
            const double dr = p.row * 0.1f - 2.0, dq = p.column * 0.1f - 30.0;
            const float h = gaussianHalfWindow(0.1f, 2, 1, 0.0001);  // 33: the taller peak is wider
            const bool inWindow = std::abs(p.row - 20) < h && std::abs(p.column - 300) < h;
            const double expected = inWindow ? 25 * std::exp(-(dr * dr + dq * dq)) : 0;
            EXPECT_NEAR(field[p.row][p.column], expected, 1e-5 * expected + 1e-12) << p.row << " " << p.column;
        }
    }
}

TEST(DistanceAngleField, RecordsBeyondTheCutOffReachOnlyTheLastRows) {
    DistanceAngleSettings settings;
    settings.sharpness = 1;  // half-window 32 rows
    const struct {
        float perimeter;
        std::size_t firstRow;  // 100: no row at all
    } cases[] = {{12.05f, 88}, {13.15f, 99}, {13.25f, 100}, {14.9f, 100}};
    for (const auto& c : cases) {
        const DistanceAngleField field = distanceAngleField({{c.perimeter, 40, 36}}, 10, settings);
        ASSERT_EQ(field.size(), 100u);
        for (std::size_t r = 0; r < field.size(); ++r)
            EXPECT_EQ(field[r][400] > 0, r >= c.firstRow) << c.perimeter << " row " << r;
    }
}

TEST(DistanceAngleField, FactorisedAccumulationMatchesTheDirectOne) {
    DistanceAngleSettings wide;
    wide.sharpness = 1;
    DistanceAngleSettings coarse;
    coarse.step = 0.2f;
    coarse.angleStep = 0.5f;
    coarse.amplitude = 2.5;
    coarse.sharpness = 3;
    const struct {
        const char* name;
        CrystalStructure structure;
        int cutoffRadius;
        DistanceAngleSettings settings;
    } cases[] = {
        {"rock salt, sharp", rockSaltP1(5.64f), 10, DistanceAngleSettings{}},
        {"molecule, wide", moleculeP21c(), 5, wide},
        {"molecule, coarse", moleculeP21c(), 5, coarse},
    };
    ScratchDirectory dir;  // for the run log
    for (const auto& c : cases) {
        const int cutoffRadius = c.cutoffRadius;
        TriangleEnvironment env = builtEnvironment(c.structure, cutoffRadius);
        env.computeDistAngleField();
        const DistanceAngleField direct = distanceAngleFieldDirect(env.triangles(), cutoffRadius, c.settings);
        const DistanceAngleField fast = distanceAngleField(env.triangles(), cutoffRadius, c.settings);
        ASSERT_EQ(fast.size(), direct.size()) << c.name;
        double total = 0;
        for (std::size_t r = 0; r < direct.size(); ++r) {
            ASSERT_EQ(fast[r].size(), direct[r].size());
            for (std::size_t q = 0; q < direct[r].size(); ++q) {
                total += direct[r][q];
                ASSERT_NEAR(fast[r][q], direct[r][q], 1e-5 * std::abs(direct[r][q])) << c.name << " " << r << " " << q;
            }
        }
        EXPECT_GT(total, 50) << c.name;
    }
}

TEST(FieldMeasure, RowRangeAndShapes) {
    const DistanceAngleField a = {{1, 2, 3}, {4, 5, 6}, {0, 1, 0}, {2, 2, 2}};
    const DistanceAngleField rowTwoChanged = {{1, 2, 3}, {4, 5, 6}, {5, 1, 0}, {2, 2, 2}};
    const DistanceAngleField shortRow = {{1, 2, 3}, {4, 5}, {0, 1, 0}, {2, 2, 2}};
    const DistanceAngleField longRows = {{1, 2, 3, 9}, {4, 5, 6, 9}, {0, 1, 0, 9}, {2, 2, 2, 9}};
    const float allRows = std::sqrt(25.0f / 104.0f);  // Σ(a−b)² = 25, Σ a·b = 104
    const struct {
        const char* name;
        DistanceAngleField b;
        double from, to, step;
        float expected;
    } cases[] = {
        {"equal", a, 0, 4, 1, 0},
        {"doubled", scaled(a, 2), 0, 4, 1, std::sqrt(0.5f)},
        {"a change inside the range", rowTwoChanged, 0, 4, 1, allRows},
        {"a change outside it", rowTwoChanged, 0, 2, 1, 0},
        {"from and to truncated before the step", rowTwoChanged, 2.9, 3.7, 1, 5},                   // row 2: 25 / 1
        {"half steps double the row numbers", rowTwoChanged, 1, 2, 0.5, std::sqrt(25.0f / 13.0f)},  // rows 2, 3
        {"negative from counts as 0", rowTwoChanged, -3, 4, 1, allRows},
        {"negative to means every row", rowTwoChanged, 0, -1, 1, allRows},
        {"to beyond the rows", rowTwoChanged, 0, 100, 1, allRows},
        {"longer rows of b are cut", longRows, 0, 4, 1, 0},
        {"empty range", a, 3, 3, 1, notANumber},
        {"shorter row in range", shortRow, 0, 4, 1, notANumber},
        {"shorter row out of range", shortRow, 2, 4, 1, 0},
        {"fewer rows", DistanceAngleField(a.begin(), a.begin() + 2), 0, 4, 1, notANumber},
        {"fewer rows, none missing in range", DistanceAngleField(a.begin(), a.begin() + 2), 0, 2, 1, 0},
    };
    for (const auto& c : cases) {
        const float m = fieldMeasure(a, c.b, c.from, c.to, c.step);
        if (std::isnan(c.expected))
            EXPECT_TRUE(std::isnan(m)) << c.name << ": " << m;
        else
            EXPECT_FLOAT_EQ(m, c.expected) << c.name;
    }
    const DistanceAngleField zero(4, std::vector<float>(3, 0.0f));
    EXPECT_TRUE(std::isnan(fieldMeasure(zero, zero, 0, 4, 1)));
    EXPECT_EQ(fieldMeasure(a, zero, 0, 4, 1), std::numeric_limits<float>::infinity());
}

TEST(FieldMeasure, SumsStayInSinglePrecision) {
    // (4097 − 1)² = 2^24 first; each later 0.25 is half an ulp of the sum and vanishes.
    DistanceAngleField a = {std::vector<float>(1001, 1.0f)}, b = {std::vector<float>(1001, 0.5f)};
    a[0][0] = 4097;
    b[0][0] = 1;
    const float expected = std::sqrt(16777216.0f / 4597.0f);
    EXPECT_EQ(fieldMeasure(a, b, 0, 1, 1), expected);
    // Every lane of a batch keeps the same single-precision sums.
    const std::vector<const DistanceAngleField*> others(9, &b);
    for (float m : fieldMeasures(a, others, 0, 1, 1)) EXPECT_EQ(m, expected);
}

TEST(FieldMeasure, ManyAtOnceEqualsOneByOneToTheBit) {
    Lcg random{11};
    auto field = [&](std::size_t rows) {
        DistanceAngleField f(rows, std::vector<float>(37));
        for (auto& row : f)
            for (float& v : row) v = random.next() < 0.3f ? 0.0f : 1000 * random.next();
        return f;
    };
    const DistanceAngleField a = field(12);
    std::vector<DistanceAngleField> others;
    for (int i = 0; i < 9; ++i) others.push_back(field(12));
    others[4] = field(5);  // too few rows: NaN, and the batches around it are unaffected
    others[6] = a;
    for (std::size_t count : {0u, 1u, 4u, 5u, 9u}) {
        std::vector<const DistanceAngleField*> pointers;
        for (std::size_t i = 0; i < count; ++i) pointers.push_back(&others[i]);
        const std::vector<float> many = fieldMeasures(a, pointers, 0.5, 11, 1);
        ASSERT_EQ(many.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            const float one = fieldMeasure(a, others[i], 0.5, 11, 1);
            EXPECT_EQ(std::memcmp(&many[i], &one, sizeof one), 0) << count << " " << i;
            EXPECT_EQ(std::isnan(one), i == 4) << count << " " << i;
        }
    }
    // The measure is symmetric to the bit for fields of one shape.
    EXPECT_EQ(fieldMeasure(a, others[0], 0, 12, 1), fieldMeasure(others[0], a, 0, 12, 1));
}

TEST(DistanceAngleFingerprint, SameCrystalDescribedTwiceMeasuresAlike) {
    const struct {
        const char* name;
        CrystalStructure first, second;
        double sharpness;
        float factor;  // the second's field over the first's: its share of centre atoms
        bool same;
    } cases[] = {
        // At sharpness 100 the collinear Na-Cl-Na triangles (perimeter 11.3 Å) stay off the grid.
        {"rock salt shifted, atoms reversed", rockSaltP1(5.64f), rockSaltP1(5.64f, 0.31f, 0.12f, 0.77f, true), 100, 1,
         true},
        {"P 21/c, origin on another inversion centre", moleculeP21c(), moleculeP21c(0.5f, 0.5f, 0.5f), 1, 1, true},
        {"P 21/c written out in P 1", moleculeP21c(), writtenInP1(moleculeP21c()), 1, 4, true},
        {"P-1 written out in P 1", moleculePm1(), writtenInP1(moleculePm1()), 1, 2, true},
        // Not the same crystal: the measure must see it.
        {"rock salt, other lattice constant", rockSaltP1(5.64f), rockSaltP1(5.70f), 100, 1, false},
        {"P 21/c, origin off the inversion centres", moleculeP21c(), moleculeP21c(0.25f, 0, 0), 1, 1, false},
    };
    const int cutoffRadius = 10;
    ScratchDirectory dir;  // for the run log
    for (const auto& c : cases) {
        const DistanceAngleField first = scaled(fingerprintField(c.first, cutoffRadius, c.sharpness), c.factor);
        const DistanceAngleField second = fingerprintField(c.second, cutoffRadius, c.sharpness);
        const float m = fieldMeasure(first, second, 0, cutoffRadius, 0.1);
        if (c.same)
            EXPECT_LT(m, 1e-4) << c.name;
        else
            EXPECT_GT(m, 1e-2) << c.name;
    }
}
