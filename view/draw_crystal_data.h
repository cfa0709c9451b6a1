#pragma once

#include <wx/frame.h>

#include "model/colour_slots.h"
#include "model/crystal_structure.h"

class TestGLCanvas;

// The crystal view: a frame without a close box around the OpenGL canvas. It
// lives as long as the main frame, which talks to the canvas only through it.
class DrawCrystalData : public wxFrame {
public:
    DrawCrystalData(wxWindow* parent, const wxString& title, const wxPoint& position, const wxSize& size,
                    long style);

    bool showStructure(CrystalStructure loaded, RgbColour& colour);
    void hideStructure(int id);
    void setActiveStructure(int id, bool flag);
    void moveAsymmetricPart(int id, float dx, float dy, float dz);
    void invertAsymmetricPart(int id);
    // Whether structure `id` is shown, and in which colour.
    bool shownColour(int id, RgbColour& colour) const;

    TestGLCanvas* glCanvas() const { return canvas; }

private:
    TestGLCanvas* canvas = nullptr;
};
