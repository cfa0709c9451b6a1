#include "view/draw_cluster.h"

#include <variant>

#include <wx/dcclient.h>

#include "similarity/dendrogram_layout.h"

namespace {

wxColour colourOf(Rgb rgb) { return wxColour(rgb.red, rgb.green, rgb.blue); }

// Replays the core's layout items on a device context.
struct ItemPainter {
    wxDC& dc;

    void operator()(const LayoutRect& r) const {
        dc.SetPen(wxPen(*wxBLACK, r.penWidth));
        dc.SetBrush(wxBrush(colourOf(r.fill), wxBRUSHSTYLE_SOLID));
        dc.DrawRectangle(r.left, r.top, r.width, r.height);
    }
    void operator()(const LayoutLine& l) const {
        dc.SetPen(wxPen(*wxBLACK, l.penWidth));
        dc.DrawLine(l.x1, l.y1, l.x2, l.y2);
    }
    void operator()(const LayoutText& t) const { dc.DrawText(wxString::FromUTF8(t.text.c_str()), t.x, t.y); }
};

}  // namespace

wxBEGIN_EVENT_TABLE(DrawCluster, wxFrame)
    EVT_PAINT(DrawCluster::OnPaint)
    EVT_SIZE(DrawCluster::OnSize)
wxEND_EVENT_TABLE()

DrawCluster::DrawCluster(wxWindow* parent, const wxString& title, const wxPoint& position, const wxSize& size,
                         const SimilarityMatrix& similarity)
    : wxFrame(parent, wxID_ANY, title, position, size, wxDEFAULT_FRAME_STYLE, "frame"), matrix(similarity) {
    Show(true);
    merges = clusterMatrix(matrix).merges;
}

void DrawCluster::drawDiagram(wxDC& dc, const wxSize& size) const {
    const DendrogramLayout layout = layoutDendrogram(matrix, merges, size.x, size.y);
    dc.SetFont(*wxNORMAL_FONT);
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const ItemPainter painter{dc};
    for (const LayoutItem& item : layout.items) std::visit(painter, item);
}

void DrawCluster::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    drawDiagram(dc, GetClientSize());
}

// The layout depends on the size: lay out and paint everything again.
void DrawCluster::OnSize(wxSizeEvent& event) {
    Refresh(true);
    event.Skip();
}
