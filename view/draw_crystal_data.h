#pragma once

#include <wx/frame.h>

class TestGLCanvas;

// The crystal view: a frame without a close box around the OpenGL canvas. It
// lives as long as the main frame.
class DrawCrystalData : public wxFrame {
public:
    DrawCrystalData(wxWindow* parent, const wxString& title, const wxPoint& position, const wxSize& size,
                    long style);

    TestGLCanvas* glCanvas() const { return canvas; }

private:
    TestGLCanvas* canvas = nullptr;
};
