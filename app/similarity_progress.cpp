#include "app/similarity_progress.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include <wx/progdlg.h>
#include <wx/utils.h>

#include "app/wx_text.h"

namespace {

constexpr unsigned long kPollMilliseconds = 40;

wxString progressText(int fingerprints, int rows, int count) {
    return wxString::Format("Structures fingerprinted: %d of %d\nMatrix rows: %d of %d", fingerprints, count, rows,
                            count);
}

}  // namespace

SimilarityResult runSimilarityWithProgress(wxWindow* parent, const std::vector<LoadedStructure>& structures,
                                           SimilarityMethod method, const SimilaritySettings& settings,
                                           const std::function<void(wxProgressDialog&)>& hook) {
    const int count = static_cast<int>(structures.size());
    // Fingerprints and rows share the bar; the last step is left for the end of the run.
    const int maximum = std::max(1, 2 * count);
    wxProgressDialog dialog(toWx(methodInfo(method).title), progressText(0, 0, count), maximum, parent,
                            wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_ELAPSED_TIME);
    SimilarityProgress progress;
    if (hook) hook(dialog);
    // A Cancel pressed before the run starts stops it before the first structure.
    if (!dialog.Update(0)) progress.cancel = true;

    SimilarityResult result;
    std::exception_ptr failure;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        try {
            SimilarityOptions options;
            options.progress = &progress;
            result = runSimilarity(structures, method, settings, options);
        } catch (...) {
            failure = std::current_exception();  // rethrown below, as if run on this thread
        }
        done = true;
    });
    while (!done) {
        const int fingerprints = progress.fingerprintsDone;
        const int rows = progress.rowsDone;
        // Update also repaints the windows and handles the Cancel button.
        if (!dialog.Update(std::min(fingerprints + rows, maximum - 1), progressText(fingerprints, rows, count)))
            progress.cancel = true;
        wxMilliSleep(kPollMilliseconds);
    }
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return result;
}
