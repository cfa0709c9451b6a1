// Histograms, the Gaussian pair profile, G(r) and the 1-D measure.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "similarity/fingerprint.h"
#include "similarity/fingerprint_comparison.h"
#include "similarity/gaussian_profile.h"
#include "similarity/histogram_fingerprint.h"
#include "similarity/pdf_fingerprint.h"

namespace {

// One carbon atom whose only neighbour within reach is its inversion image
// 1.5 Å away, across a cell face of a 100 Å cube: exactly one pair.
CrystalStructure onePairAt150() {
    CrystalStructure s;
    s.setCell(100, 100, 100, 90, 90, 90);
    s.setSpaceGroup("P-1");
    s.addAtom(AtomSite(0.0075f, 0.5f, 0.5f, "C1", std::string("C")));
    return s;
}

// A small salt with many pairs; both atoms sit on special positions.
CrystalStructure rockSalt() {
    CrystalStructure s;
    s.setCell(5.64f, 5.64f, 5.64f, 90, 90, 90);
    s.setSpaceGroup("F m -3 m");
    s.addAtom(AtomSite(0, 0, 0, "Na1", std::string("Na")));
    s.addAtom(AtomSite(0.5f, 0.5f, 0.5f, "Cl1", std::string("Cl")));
    return s;
}

std::unique_ptr<PairEnvironment> environment(const CrystalStructure& s, int r, double reach) {
    return std::make_unique<PairEnvironment>(s, r, false, reach);
}

const float carbonPair = 12.011f * 12.011f;

}  // namespace

TEST(HistogramFingerPrint, BinsAndCumulativeSums) {
    HistogramFingerPrint fp(environment(rockSalt(), 10, 10));
    fp.computeHistograms();
    fp.computeCumulativeHistograms();
    ASSERT_EQ(fp.counts().size(), 49u);  // 10 / 0.2f = 49.99999925…
    ASSERT_EQ(fp.cumulativeCounts().size(), 49u);
    EXPECT_EQ(fp.cumulativeCounts()[0], 0.0f);
    EXPECT_EQ(fp.cumulativeWeighted()[0], 0.0f);
    float running = 0;
    for (std::size_t i = 1; i < 49; ++i) {
        running += fp.counts()[i - 1];
        EXPECT_EQ(fp.cumulativeCounts()[i], running) << i;
    }
    // Na–Cl at 2.82 Å lies in bin 14 (2.8 ≤ d < 3.0): 6 neighbours of each of the two centre atoms,
    // each neighbour seen 48 times since an atom on 4a has 48 coincident images among the 192.
    EXPECT_EQ(fp.counts()[14], 2 * 6 * 48.0f);
    EXPECT_NEAR(fp.weighted()[14], 2 * 6 * 48 * 22.9898 * 35.453, 5);  // 576 float additions
}

TEST(HistogramFingerPrint, EdgesBelongToTheBinThatStartsThere) {
    // Two atoms 0.2f apart along a tiny a axis: each sees the other on both sides.
    CrystalStructure s;
    s.setCell(0.4f, 50, 50, 90, 90, 90);
    s.setSpaceGroup("P 1");
    s.addAtom(AtomSite(0, 0.5f, 0.5f, "C1", std::string("C")));
    s.addAtom(AtomSite(0.5f, 0.5f, 0.5f, "C2", std::string("C")));
    HistogramFingerPrint fp(environment(s, 1, 1));
    fp.computeHistograms();
    ASSERT_EQ(fp.counts().size(), 4u);  // 1 / 0.2f = 4.99999997
    EXPECT_EQ(fp.counts()[0], 0.0f);
    EXPECT_EQ(fp.counts()[1], 4.0f);
}

TEST(HistogramFingerPrint, NonPositiveWidthGivesEmptyHistograms) {
    for (float width : {0.0f, -0.2f, std::nanf("")}) {
        HistogramFingerPrint fp(environment(rockSalt(), 10, 10));
        fp.setBinWidth(width);
        fp.computeHistograms();
        fp.computeCumulativeHistograms();
        EXPECT_TRUE(fp.counts().empty());
        EXPECT_TRUE(fp.cumulativeWeighted().empty());
    }
}

TEST(FingerPrint, OnePairGivesOneGaussianAtItsDistance) {
    FingerPrint fp(environment(onePairAt150(), 10, 12));
    fp.setParameters(0.01f, 1.0f, 10.0f);  // peak width 0.1
    fp.compute();
    ASSERT_EQ(fp.environment().pairs().size(), 1u);
    const std::vector<float>& profile = fp.profile();
    ASSERT_EQ(profile.size(), 1001u);
    EXPECT_EQ(std::max_element(profile.begin(), profile.end()) - profile.begin(), 150);
    EXPECT_NEAR(profile[150], carbonPair, carbonPair * 1e-6);
    for (std::size_t j = 0; j < profile.size(); ++j) {
        if (j < 53 || j > 246) {
            EXPECT_EQ(profile[j], 0.0f) << j;
        } else if (j > 53 && j < 246) {
            EXPECT_GT(profile[j], 0.0f) << j;
        }
    }
    EXPECT_FLOAT_EQ(FingerPrint::halfWindow(0.01f, 1, 10), 97.0f);
    EXPECT_NEAR(PdfFingerPrint::halfWindow(0.01f, 1, 10), 109.0f, 1e-3);
}

TEST(FingerPrint, SteppedGaussianMatchesTheDirectFormula) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> distance(0.0f, 11.0f), weight(1.0f, 60000.0f);
    for (float sharpness : {1.0f, 10.0f, 100.0f}) {
        std::vector<float> stepped(1001, 0.0f), direct(1001, 0.0f);
        const float h = FingerPrint::halfWindow(0.01f, 1, sharpness);
        for (int k = 0; k < 200; ++k) {
            const float d = distance(random), m = weight(random);
            addGaussianPeak(stepped, d, m, 0.01f, sharpness, h);
            directGaussianPeak(direct, d, m, 0.01f, sharpness, h);
        }
        for (std::size_t j = 0; j < direct.size(); ++j)
            EXPECT_NEAR(stepped[j], direct[j], 1e-5 * std::fabs(direct[j]) + 1e-30) << sharpness << " " << j;
    }
}

TEST(PdfFingerPrint, SampleZeroIsRawAndTheBaselineFitStopsInRange) {
    CrystalStructure pair;  // two atoms 2.5 Å apart, nothing closer
    pair.setCell(5, 6, 7, 90, 90, 90);
    pair.setSpaceGroup("P 1");
    pair.addAtom(AtomSite(0.1f, 0.2f, 0.3f, "O1", std::string("O")));
    pair.addAtom(AtomSite(0.6f, 0.2f, 0.3f, "Si1", std::string("Si")));
    PdfFingerPrint fp(environment(pair, 10, 12));
    fp.setParameters(0.01f, 1.0f, 10.0f);
    fp.compute(true);
    ASSERT_EQ(fp.g().size(), 1001u);
    EXPECT_EQ(fp.g()[0], 0.0f);  // no pair near 0: the raw sum, never divided or offset
    EXPECT_EQ(fp.corrected()[0], 0.0f);
    ASSERT_TRUE(fp.hasSlope());
    EXPECT_GE(fp.slope(), -1000.0f);
    EXPECT_LE(fp.slope(), 1000.0f);
    // Far from any peak G(r) is the density line -4πρr.
    const float rho = cellDensity(pair, false);
    EXPECT_NEAR(rho, 1.66 * (15.9994 + 28.086) / (5 * 6 * 7), 1e-6);
    EXPECT_NEAR(fp.g()[100], -rho * 1.0f * 12.566368f, 1e-3);  // r = 1 Å
    // The fitted line leaves G(r) summing to about zero.
    double sum = 0;
    for (std::size_t j = 1; j < fp.g().size(); ++j) sum += fp.g()[j] - double(fp.slope()) * (j * 0.01f);
    EXPECT_LT(std::fabs(sum), 2.0);
}

TEST(PdfFingerPrint, NoAtomsLeaveOnlyTheDensityTerm) {
    CrystalStructure empty;
    empty.setCell(5, 5, 5, 90, 90, 90);
    empty.setSpaceGroup("P 1");
    PdfFingerPrint fp(environment(empty, 10, 10));
    fp.compute(false);
    for (float value : fp.g()) EXPECT_EQ(value, 0.0f);
    EXPECT_FALSE(fp.hasSlope());
    EXPECT_TRUE(fp.corrected().empty());
}

TEST(FingerPrintComparison, RangeAndDegenerateCases) {
    std::vector<float> a(1001), b(1001);
    for (std::size_t j = 0; j < a.size(); ++j) a[j] = b[j] = std::sin(0.01f * j) + 2;
    EXPECT_EQ(compareFingerPrints(a, b, 0, 10, 0.01f), 0.0f);
    b[1000] = 50;  // sample 1000 (r = 10 Å) is never compared: end = floor(10 / 0.01f) = 1000
    EXPECT_EQ(compareFingerPrints(a, b, 0, 10, 0.01f), 0.0f);
    b[150] = 0;  // 'from' 2.9 counts as 2: sample 150 is left out
    EXPECT_EQ(compareFingerPrints(a, b, 2.9f, 10, 0.01f), 0.0f);
    EXPECT_GT(compareFingerPrints(a, b, 1.9f, 10, 0.01f), 0.0f);
    EXPECT_GT(compareFingerPrints(a, b, -3, 10, 0.01f), 0.0f);  // a negative start counts as 0
    const float ab = compareFingerPrints(a, b, 0, 10, 0.01f);
    EXPECT_EQ(compareFingerPrints(b, a, 0, 10, 0.01f), ab);  // symmetric to the bit
    b.pop_back();
    EXPECT_EQ(compareFingerPrints(a, b, 0, 10, 0.01f), -1.0f);
    const std::vector<float> zeros(1001, 0.0f);
    EXPECT_TRUE(std::isnan(compareFingerPrints(zeros, zeros, 0, 10, 0.01f)));
    EXPECT_TRUE(std::isnan(compareFingerPrints(a, a, 5, 5, 0.01f)));
}
