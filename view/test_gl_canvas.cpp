#include "view/test_gl_canvas.h"

#include <wx/dcclient.h>

#include <GL/gl.h>

namespace {

// RGBA, double-buffered, with a depth buffer: the scene swaps buffers and depth-tests.
wxGLAttributes surfaceAttributes() {
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(16).EndList();
    return attributes;
}

}  // namespace

wxBEGIN_EVENT_TABLE(TestGLCanvas, wxGLCanvas)
    EVT_PAINT(TestGLCanvas::OnPaint)
    EVT_ERASE_BACKGROUND(TestGLCanvas::OnEraseBackground)
wxEND_EVENT_TABLE()

TestGLCanvas::TestGLCanvas(wxWindow* parent)
    : wxGLCanvas(parent, surfaceAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE,
                 "TestGLCanvas") {
    // Without a usable visual (no GLX on the display) the view stays blank.
    if (IsDisplaySupported(surfaceAttributes())) context = std::make_unique<wxGLContext>(this);
}

TestGLCanvas::~TestGLCanvas() = default;

void TestGLCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (!context || !context->IsOK() || !IsShownOnScreen()) return;
    SetCurrent(*context);
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    glViewport(0, 0, size.x, size.y);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SwapBuffers();
}

// Only OpenGL paints the canvas; an erase would flicker.
void TestGLCanvas::OnEraseBackground(wxEraseEvent&) {}
