#pragma once

#include <array>
#include <memory>
#include <vector>

#include <wx/glcanvas.h>

#include "geometry/trackball.h"
#include "view/displayed_structure.h"

// What the canvas drew: RGB bytes, the bottom row first (OpenGL's order).
struct CanvasPicture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* pixel(int x, int y) const { return &rgb[3 * (static_cast<std::size_t>(y) * width + x)]; }
};

// The camera: the trackball rotation in the upper-left block of `transform`
// (column-major), and the translation along the viewing axis and across it.
struct CameraState {
    Transform4 transform;
    float zoom, panX, panY;
};

// The OpenGL surface of the crystal view. It overlays every shown structure,
// each in its colour and moved by its own offsets, about one pivot: the centre
// of the first shown structure's cell. The left button turns the scene, the
// middle button pans it, the wheel moves the camera in and out; the keyboard
// shifts or turns the active structure only.
class TestGLCanvas : public wxGLCanvas {
public:
    explicit TestGLCanvas(wxWindow* parent);
    ~TestGLCanvas() override;

    // Shows a copy built from `loaded`; false when ten are shown or no colour is free.
    bool showStructure(CrystalStructure loaded, RgbColour& colour);
    void hideStructure(int id);
    void setActiveStructure(int id, bool flag);
    // Edits the view's copy of the shown structure `id` and redraws it.
    void moveAsymmetricPart(int id, float dx, float dy, float dz);
    void invertAsymmetricPart(int id);

    // One render pass: draws every shown structure and swaps the buffers.
    void render();
    // Draws the scene as render does and reads it back before the swap; an
    // empty picture when there is nothing to draw on.
    CanvasPicture snapshot();
    // Makes the canvas's context current; false while it cannot draw (no
    // context, or the window not on screen yet).
    bool makeCurrent();

    const std::vector<DisplayedStructure>& shownStructures() const { return displayedStructures; }
    const DisplayedStructure* findShown(int id) const;
    std::array<float, 3> pivot() const;
    CameraState camera() const { return {transform, zoom, panX, panY}; }
    unsigned long renderPasses() const { return passes; }

private:
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnEnterWindow(wxMouseEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    void initGL();
    void resetView();
    bool drawScene();
    DisplayedStructure* shownRecord(int id);
    // Drops the structure's compiled list and compiles it again now, or at the
    // next pass when the context cannot be made current.
    void recompile(DisplayedStructure& structure);
    void releaseStaleLists();

    std::vector<DisplayedStructure> displayedStructures;
    bool glReady = false;
    Transform4 transform;
    Rotation3 lastRotation, thisRotation;
    float lastMouse[2] = {0, 0};
    float zoom = 0, panX = 0, panY = 0;
    Trackball trackball;

    std::unique_ptr<wxGLContext> context;
    std::vector<GLuint> staleLists;  // superseded lists, deleted when the context is next current
    unsigned long passes = 0;

    wxDECLARE_EVENT_TABLE();
};
