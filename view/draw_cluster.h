#pragma once

#include <vector>

#include <wx/frame.h>

#include "similarity/clustering.h"
#include "similarity/similarity_matrix.h"

class wxDC;

// The cluster diagram of one similarity command: the dendrogram of its
// matrix, laid out by the core for the window's current size.
class DrawCluster : public wxFrame {
public:
    // Shows itself; the clustering runs once, here.
    DrawCluster(wxWindow* parent, const wxString& title, const wxPoint& position, const wxSize& size,
                const SimilarityMatrix& matrix);

    // Draws the diagram for a surface of `size` pixels; the window paints
    // with it, and so can a bitmap.
    void drawDiagram(wxDC& dc, const wxSize& size) const;

    const SimilarityMatrix& similarityMatrix() const { return matrix; }
    const std::vector<MergePair>& mergePairs() const { return merges; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    SimilarityMatrix matrix;
    std::vector<MergePair> merges;

    wxDECLARE_EVENT_TABLE();
};
