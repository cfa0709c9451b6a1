// The five similarity commands: settings, the core's run, the matrix text and
// the cluster diagram.
#include "app/similarity_progress.h"
#include "app/tessaragui_frame.h"
#include "app/wx_text.h"
#include "similarity/matrix_text.h"
#include "view/draw_cluster.h"

void TessaraguiFrame::OnComputeFingerPrint(wxCommandEvent&) { runSimilarityCommand(SimilarityMethod::PdfModified); }
void TessaraguiFrame::OnComputePdf(wxCommandEvent&) { runSimilarityCommand(SimilarityMethod::Pdf); }
void TessaraguiFrame::OnComputeFingerPrint_a(wxCommandEvent&) { runSimilarityCommand(SimilarityMethod::DistanceAngle); }
void TessaraguiFrame::OnComputeHistogram(wxCommandEvent&) { runSimilarityCommand(SimilarityMethod::Histogram); }
void TessaraguiFrame::OnComputeCumulativeHistogram(wxCommandEvent&) {
    runSimilarityCommand(SimilarityMethod::Cumulative);
}

void TessaraguiFrame::runSimilarityCommand(SimilarityMethod method) {
    const SimilarityMethodInfo& info = methodInfo(method);
    SimilaritySettings s = info.defaults;
    if (!showSimilaritySettings(s.from, s.to, s.step, s.peakWidth, s.writeFingerPrints, s.includeHydrogens,
                                s.methodOption, static_cast<int>(info.kind)))
        return;
    // Settings without a meaning (a step of 0, a range upside down) compute nothing.
    const std::string refusal = validateSettings(method, s);
    if (!refusal.empty()) {
        appendToCommandWindow("settings refused: " + refusal + "\n");
        return;
    }
    // The run works on its own copy, taken now.
    const std::vector<LoadedStructure> structures = loadedStructures;
    const SimilarityResult result = runSimilarityWithProgress(this, structures, method, s, progressDialogHook);
    if (!result.error.empty()) {
        appendToCommandWindow("settings refused: " + result.error + "\n");
        return;
    }
    if (result.cancelled) return;
    for (const std::string& problem : result.problems) appendToCommandWindow(problem + "\n");
    printSimilarityMatrix(info.title, result.matrix);
}

void TessaraguiFrame::printSimilarityMatrix(const std::string& title, const SimilarityMatrix& matrix) {
    appendToCommandWindow(similarityMatrixText(title, matrix));
    // The window owns its copy of the matrix and lives until the user closes it.
    new DrawCluster(this, toWx(title), wxDefaultPosition, wxSize(400, 300), matrix);
}
