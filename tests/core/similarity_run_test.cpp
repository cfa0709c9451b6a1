// One similarity command end to end: matrix, text, files, log, threads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/data_list_text.h"
#include "scratch_directory.h"
#include "similarity/matrix_text.h"
#include "similarity/similarity_run.h"

namespace {

const SimilarityMethod allMethods[] = {SimilarityMethod::PdfModified, SimilarityMethod::Pdf,
                                       SimilarityMethod::DistanceAngle, SimilarityMethod::Histogram,
                                       SimilarityMethod::Cumulative};

LoadedStructure salt(const char* name, float a, const char* group = "F m -3 m") {
    LoadedStructure s;
    s.fileName = name;
    s.setCell(a, a, a, 90, 90, 90);
    s.setSpaceGroup(group);
    s.addAtom(AtomSite(0, 0, 0, "Na1", std::string("Na")));
    s.addAtom(AtomSite(0.5f, 0.5f, 0.5f, "Cl1", std::string("Cl")));
    return s;
}

LoadedStructure molecule(const char* name, float beta) {
    LoadedStructure s;
    s.fileName = name;
    s.setCell(7.2f, 8.3f, 9.9f, 90, beta, 90);
    s.setSpaceGroup("P 1 21/c 1");
    s.addAtom(AtomSite(0.11f, 0.20f, 0.31f, "C1", std::string("C")));
    s.addAtom(AtomSite(0.23f, 0.15f, 0.40f, "N1", std::string("N")));
    s.addAtom(AtomSite(0.30f, 0.26f, 0.47f, "O1", std::string("O")));
    s.addAtom(AtomSite(0.31f, 0.33f, 0.41f, "H1", std::string("H")));
    return s;
}

std::string fileText(const std::string& name) {
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

}  // namespace

TEST(MatrixText, PrintsTheTableWithTabsAndTheTitle) {
    EXPECT_EQ(similarityMatrixText("FingerPrint similarity", {{0, 0.123f}, {0.123f, 0}}),
              "\nFingerPrint similarity\n--------------------------------------\nID\t0\t1\t\n"
              "0:\t0.000\t0.123\t\n1:\t0.123\t0.000\t\n");
    EXPECT_EQ(lines(similarityMatrixText("t", SimilarityMatrix(3, std::vector<float>(3, 0))))[3], "ID\t0\t1\t2\t");
    EXPECT_EQ(similarityMatrixText("t", {}), "\nt\n--------------------------------------\nID\t\n");
    EXPECT_EQ(formatMatrixValue(std::nanf("")), "nan");
    EXPECT_EQ(formatMatrixValue(-INFINITY), "-inf");
    EXPECT_EQ(formatMatrixValue(0.0004f), "0.000");
}

TEST(DataListText, ListsIdsAndFileNames) {
    std::vector<LoadedStructure> list(2);
    list[0].fileName = "a.cif";
    list[1].fileName = "b.xml";
    list[1].setId(1);
    list[0].setId(0);
    const std::string rule(38, '-');
    EXPECT_EQ(dataListText(list), "Data List:\nID  File Name\n" + rule + "\n0: a.cif\n1: b.xml\n" + rule + "\n");
    EXPECT_EQ(dataListText({}), "Data List:\nID  File Name\n" + rule + "\n" + rule + "\n");
}

TEST(SimilarityRun, EveryMethodSeesCopiesAsIdenticalAndOthersAsDifferent) {
    ScratchDirectory dir;
    const std::vector<LoadedStructure> structures = {molecule("m1", 104), molecule("m1 again", 104),
                                                     molecule("m2", 98)};
    for (SimilarityMethod method : allMethods) {
        const SimilarityResult r = runSimilarity(structures, method, methodInfo(method).defaults);
        ASSERT_TRUE(r.error.empty());
        ASSERT_EQ(r.matrix.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(r.matrix[i][i], 0.0f) << methodInfo(method).name;
        EXPECT_EQ(r.matrix[0][1], 0.0f) << methodInfo(method).name;
        EXPECT_GT(r.matrix[0][2], 1e-3f) << methodInfo(method).name;
        EXPECT_EQ(r.matrix[0][2], r.matrix[2][0]);
    }
    const SimilarityResult single = runSimilarity({structures[0]}, SimilarityMethod::Histogram,
                                                  methodInfo(SimilarityMethod::Histogram).defaults);
    EXPECT_EQ(single.matrix, SimilarityMatrix{{0.0f}});
    EXPECT_TRUE(runSimilarity({}, SimilarityMethod::Pdf, methodInfo(SimilarityMethod::Pdf).defaults).matrix.empty());
}

TEST(SimilarityRun, ThreadCountDoesNotChangeABit) {
    ScratchDirectory dir;
    std::vector<LoadedStructure> structures;
    for (int i = 0; i < 6; ++i) structures.push_back(molecule("m", 95.0f + 3 * i));
    for (SimilarityMethod method : allMethods) {
        SimilarityOptions one, two;
        one.threads = 1;
        two.threads = 2;
        const SimilarityResult a = runSimilarity(structures, method, methodInfo(method).defaults, one);
        const SimilarityResult b = runSimilarity(structures, method, methodInfo(method).defaults, two);
        ASSERT_EQ(a.matrix.size(), b.matrix.size());
        for (std::size_t i = 0; i < a.matrix.size(); ++i)
            for (std::size_t j = 0; j < a.matrix.size(); ++j)
                EXPECT_EQ(std::memcmp(&a.matrix[i][j], &b.matrix[i][j], sizeof(float)), 0) << methodInfo(method).name;
    }
}

TEST(SimilarityRun, RefusesSettingsItCannotUse) {
    const struct {
        SimilarityMethod method;
        double from, to, step, peakWidth;
        const char* message;
    } cases[] = {
        {SimilarityMethod::PdfModified, 0, 10, 0, 0.1, "the step must be a positive number"},
        {SimilarityMethod::Histogram, 0, 10, -0.2, -1, "the step must be a positive number"},
        {SimilarityMethod::Pdf, 0, 10, 0.01, 0, "the peak width must be a positive number"},
        {SimilarityMethod::DistanceAngle, 0, 10, 0.1, -1, "the peak width must be a positive number"},
        {SimilarityMethod::Cumulative, 5, 4, 0.2, -1, "'to') must not be below"},
    };
    for (const auto& c : cases) {
        SimilaritySettings s = methodInfo(c.method).defaults;
        s.from = c.from;
        s.to = c.to;
        s.step = c.step;
        s.peakWidth = c.peakWidth;
        const SimilarityResult r = runSimilarity({salt("a", 5.64f)}, c.method, s);
        EXPECT_NE(r.error.find(c.message), std::string::npos) << r.error;
        EXPECT_TRUE(r.matrix.empty());
    }
    // The histograms never read the peak width, so the -1 they carry is fine.
    EXPECT_TRUE(validateSettings(SimilarityMethod::Histogram, methodInfo(SimilarityMethod::Histogram).defaults).empty());
}

TEST(SimilarityRun, WritesFingerPrintFilesInTheirFormats) {
    ScratchDirectory dir;
    const std::vector<LoadedStructure> structures = {molecule("m1", 104), molecule("m2", 98)};
    auto run = [&](SimilarityMethod method, bool option) {
        SimilaritySettings s = methodInfo(method).defaults;
        s.writeFingerPrints = true;
        s.methodOption = option;
        runSimilarity(structures, method, s);
    };
    run(SimilarityMethod::PdfModified, true);
    std::vector<std::string> fp = lines(fileText("FP1.txt"));
    ASSERT_EQ(fp.size(), 1001u);
    EXPECT_EQ(fp[0].substr(0, 7), "0.0000 ");
    EXPECT_EQ(fp[1000].substr(0, 8), "10.0000 ");

    run(SimilarityMethod::Pdf, false);  // G(r) is written even without the baseline fit
    std::vector<std::string> pdf = lines(fileText("PDF0.txt"));
    ASSERT_EQ(pdf.size(), 1002u);
    EXPECT_EQ(pdf[0], "0.0000");
    run(SimilarityMethod::Pdf, true);
    EXPECT_EQ(lines(fileText("PDF0.txt")).size(), 1002u);

    run(SimilarityMethod::Histogram, true);
    std::vector<std::string> histogram = lines(fileText("FP0.txt"));
    ASSERT_EQ(histogram.size(), 49u);
    EXPECT_EQ(histogram[0].substr(0, 15), "0.000 - 0.200  ");
    EXPECT_EQ(histogram[0].size(), 15u + 15u);

    run(SimilarityMethod::Cumulative, false);
    std::vector<std::string> cumulative = lines(fileText("FP0.txt"));
    ASSERT_EQ(cumulative.size(), 49u);
    EXPECT_EQ(cumulative[0], "0 - 0.000             0.00");

    run(SimilarityMethod::DistanceAngle, true);
    std::vector<std::string> field = lines(fileText("FPa1.txt"));
    ASSERT_EQ(field.size(), 100u);
    std::istringstream row(field[50]);
    int numbers = 0;
    for (std::string value; row >> value;) ++numbers;
    EXPECT_EQ(numbers, 700);
    EXPECT_EQ(field[50].back(), ' ');

    const auto before = std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator());
    runSimilarity(structures, SimilarityMethod::PdfModified, methodInfo(SimilarityMethod::PdfModified).defaults);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), before);
}

TEST(SimilarityRun, DistanceAngleLogsEachStructureThenTheCommand) {
    ScratchDirectory dir;
    runSimilarity({molecule("m1", 104), molecule("m2", 98)}, SimilarityMethod::DistanceAngle,
                  methodInfo(SimilarityMethod::DistanceAngle).defaults);
    const std::vector<std::string> log = lines(fileText("log.txt"));
    // Each message ends in its own line break, so an empty line follows it.
    ASSERT_EQ(log.size(), 3u * 2 + 2);
    EXPECT_EQ(log[0].rfind("computeDistAngleField() time is: ", 0), 0u);
    EXPECT_EQ(log[1].rfind(" Atoms in: 3, out: ", 0), 0u) << log[1];
    EXPECT_EQ(log[6].rfind("OnComputeFingerPrint_a time is: ", 0), 0u) << log[6];
}

TEST(SimilarityRun, CancelledRunsLeaveNoTrace) {
    ScratchDirectory dir;
    SimilarityProgress progress;
    progress.cancel = true;
    SimilarityOptions options;
    options.progress = &progress;
    const SimilarityResult r = runSimilarity({molecule("m1", 104), molecule("m2", 98)}, SimilarityMethod::DistanceAngle,
                                             methodInfo(SimilarityMethod::DistanceAngle).defaults, options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.matrix.empty());
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST(SimilarityRun, DegenerateStructuresAreReportedAndDoNotHang) {
    ScratchDirectory dir;
    LoadedStructure flat = salt("flat.cif", 5.64f, "P 1");
    flat.setCell(5.64f, 5.64f, 0, 90, 90, 90);
    flat.setSpaceGroup("P 1");  // recompute the matrices with c = 0
    for (SimilarityMethod method : allMethods) {
        const SimilarityResult r = runSimilarity({molecule("ok.cif", 100), flat}, method, methodInfo(method).defaults);
        ASSERT_EQ(r.problems.size(), 1u) << methodInfo(method).name;
        EXPECT_EQ(r.problems[0].rfind("flat.cif: cell too small or degenerate", 0), 0u) << r.problems[0];
    }
}
