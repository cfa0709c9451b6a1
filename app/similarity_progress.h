#pragma once

#include <functional>
#include <vector>

#include "model/loaded_structure.h"
#include "similarity/similarity_run.h"

class wxProgressDialog;
class wxWindow;

// Runs one similarity command on a worker thread while a progress dialog
// counts the structures fingerprinted and the matrix rows done; the GUI thread
// keeps handling paint and input meanwhile. The dialog's Cancel stops the run,
// and the result then says cancelled. `hook`, when set, gets the dialog once
// before the run starts.
SimilarityResult runSimilarityWithProgress(wxWindow* parent, const std::vector<LoadedStructure>& structures,
                                           SimilarityMethod method, const SimilaritySettings& settings,
                                           const std::function<void(wxProgressDialog&)>& hook);
