#include "view/draw_crystal_data.h"

#include "view/test_gl_canvas.h"

DrawCrystalData::DrawCrystalData(wxWindow* parent, const wxString& title, const wxPoint& position,
                                 const wxSize& size, long style)
    : wxFrame(parent, wxID_ANY, title, position, size, style, "frame") {
    canvas = new TestGLCanvas(this);
    Show(true);
}
