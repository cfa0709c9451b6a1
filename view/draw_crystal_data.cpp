#include "view/draw_crystal_data.h"

#include "view/test_gl_canvas.h"

DrawCrystalData::DrawCrystalData(wxWindow* parent, const wxString& title, const wxPoint& position,
                                 const wxSize& size, long style)
    : wxFrame(parent, wxID_ANY, title, position, size, style, "frame") {
    canvas = new TestGLCanvas(this);
    Show(true);
}

bool DrawCrystalData::showStructure(CrystalStructure loaded, RgbColour& colour) {
    return canvas->showStructure(std::move(loaded), colour);
}

void DrawCrystalData::hideStructure(int id) { canvas->hideStructure(id); }

void DrawCrystalData::setActiveStructure(int id, bool flag) { canvas->setActiveStructure(id, flag); }

void DrawCrystalData::moveAsymmetricPart(int id, float dx, float dy, float dz) {
    canvas->moveAsymmetricPart(id, dx, dy, dz);
}

void DrawCrystalData::invertAsymmetricPart(int id) { canvas->invertAsymmetricPart(id); }

bool DrawCrystalData::shownColour(int id, RgbColour& colour) const {
    const DisplayedStructure* shown = canvas->findShown(id);
    if (shown) colour = shown->colour;
    return shown != nullptr;
}
