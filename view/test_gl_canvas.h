#pragma once

#include <memory>

#include <wx/glcanvas.h>

// The OpenGL surface of the crystal view. It shows an empty scene so far.
class TestGLCanvas : public wxGLCanvas {
public:
    explicit TestGLCanvas(wxWindow* parent);
    ~TestGLCanvas() override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);

    std::unique_ptr<wxGLContext> context;

    wxDECLARE_EVENT_TABLE();
};
