#include "view/test_gl_canvas.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "view/crystal_scene.h"

namespace {

// RGBA, double-buffered, with a depth buffer: the pass swaps buffers and
// depth-tests. No multisampling, so that a picture is the same on every run.
wxGLAttributes surfaceAttributes() {
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    return attributes;
}

ViewKey viewKeyOf(int keyCode) {
    switch (keyCode) {
        case WXK_LEFT: return ViewKey::Left;
        case WXK_RIGHT: return ViewKey::Right;
        case WXK_UP: return ViewKey::Up;
        case WXK_DOWN: return ViewKey::Down;
        case 'I': return ViewKey::In;
        case 'O': return ViewKey::Out;
        case 'R': return ViewKey::Reset;
        default: return ViewKey::Other;
    }
}

// Below two pixels the trackball's scales divide by zero; such a canvas keeps
// the bounds it had.
bool trackableSize(const wxSize& size) { return size.x > 1 && size.y > 1; }

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(TestGLCanvas, wxGLCanvas)
    EVT_SIZE(TestGLCanvas::OnSize)
    EVT_PAINT(TestGLCanvas::OnPaint)
    EVT_ERASE_BACKGROUND(TestGLCanvas::OnEraseBackground)
    EVT_ENTER_WINDOW(TestGLCanvas::OnEnterWindow)
    EVT_MOUSE_EVENTS(TestGLCanvas::OnMouse)
    EVT_KEY_DOWN(TestGLCanvas::OnKeyDown)
wxEND_EVENT_TABLE()
// clang-format on

TestGLCanvas::TestGLCanvas(wxWindow* parent)
    : wxGLCanvas(parent, surfaceAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE,
                 "TestGLCanvas") {
    // Without a usable visual (no GLX on the display) the view stays blank.
    if (IsDisplaySupported(surfaceAttributes())) context = std::make_unique<wxGLContext>(this);
    // The camera is defined from the start, so input before the first paint counts.
    resetView();
}

TestGLCanvas::~TestGLCanvas() {
    // The lists and quadrics go with the context and the records; the colours
    // must be free again for the other views.
    for (const DisplayedStructure& s : displayedStructures) colourSlots().release(s.colour);
}

bool TestGLCanvas::makeCurrent() {
    return context && context->IsOK() && IsShownOnScreen() && SetCurrent(*context);
}

void TestGLCanvas::resetView() {
    transform = identityTransform();
    lastRotation = thisRotation = identityRotation();
    zoom = -30.0f;
    panX = panY = 0.0f;
}

void TestGLCanvas::initGL() {
    const wxSize size = GetClientSize();
    if (trackableSize(size)) trackball.setBounds(size.x, size.y);
    trackball.press(lastMouse[0], lastMouse[1]);
    glClearColor(1.0f, 1.0f, 1.0f, 0.5f);
    // Ambient and diffuse follow the current colour; light 0 keeps its
    // defaults: white, shining along the viewing axis.
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

void TestGLCanvas::releaseStaleLists() {
    for (GLuint list : staleLists) glDeleteLists(list, 1);
    staleLists.clear();
}

std::array<float, 3> TestGLCanvas::pivot() const {
    if (displayedStructures.empty()) return {0, 0, 0};
    return cellCentre(displayedStructures.front());
}

bool TestGLCanvas::drawScene() {
    const wxSize size = GetClientSize();
    if (!makeCurrent()) return false;
    if (!glReady) {
        initGL();
        glReady = true;
    }
    releaseStaleLists();
    for (DisplayedStructure& s : displayedStructures)
        if (s.displayList == 0) buildDisplayList(s);

    // The viewport too: a resize before the window could draw set none.
    const wxSize pixels = size * GetContentScaleFactor();
    glViewport(0, 0, pixels.x, pixels.y);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, aspectRatio(size.x, size.y), 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glTranslatef(panX, panY, zoom);
    const std::array<float, 3> p = pivot();
    glMultMatrixf(transform.data());
    glTranslatef(-p[0], -p[1], -p[2]);
    for (const DisplayedStructure& s : displayedStructures) {
        glPushMatrix();
        glTranslatef(p[0], p[1], p[2]);
        glRotatef(s.rotationAngles[0], 1, 0, 0);
        glRotatef(s.rotationAngles[1], 0, 1, 0);
        glRotatef(s.rotationAngles[2], 0, 0, 1);
        glTranslatef(-p[0], -p[1], -p[2]);
        float shift[3];  // in the structure's own cell
        s.fracToCartesian(s.shift[0], s.shift[1], s.shift[2], shift);
        glTranslatef(shift[0], shift[1], shift[2]);
        glCallList(s.displayList);
        glPopMatrix();
    }
    glPopMatrix();
    return true;
}

void TestGLCanvas::render() {
    ++passes;
    if (!drawScene()) return;
    glFlush();
    SwapBuffers();
}

CanvasPicture TestGLCanvas::snapshot() {
    CanvasPicture picture;
    if (!drawScene()) return picture;
    glFinish();
    const wxSize pixels = GetClientSize() * GetContentScaleFactor();
    picture.width = std::max(pixels.x, 0);
    picture.height = std::max(pixels.y, 0);
    picture.rgb.resize(3 * static_cast<std::size_t>(picture.width) * picture.height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
    return picture;
}

const DisplayedStructure* TestGLCanvas::findShown(int id) const {
    for (const DisplayedStructure& s : displayedStructures)
        if (s.id() == id) return &s;
    return nullptr;
}

DisplayedStructure* TestGLCanvas::shownRecord(int id) {
    return const_cast<DisplayedStructure*>(static_cast<const TestGLCanvas*>(this)->findShown(id));
}

void TestGLCanvas::recompile(DisplayedStructure& s) {
    if (s.displayList != 0) staleLists.push_back(s.displayList);
    s.displayList = 0;
    if (!makeCurrent()) return;
    releaseStaleLists();
    buildDisplayList(s);
}

bool TestGLCanvas::showStructure(CrystalStructure loaded, RgbColour& colour) {
    if (displayedStructures.size() >= static_cast<std::size_t>(maxDisplayedStructures)) return false;
    RgbColour given;
    if (!colourSlots().take(given)) return false;  // another view holds the free ones
    colour = given;
    displayedStructures.push_back(makeDisplayedStructure(loaded, given));
    recompile(displayedStructures.back());
    render();
    return true;
}

void TestGLCanvas::hideStructure(int id) {
    const auto found = std::find_if(displayedStructures.begin(), displayedStructures.end(),
                                    [id](const DisplayedStructure& s) { return s.id() == id; });
    if (found != displayedStructures.end()) {
        colourSlots().release(found->colour);
        if (found->displayList != 0) staleLists.push_back(found->displayList);
        displayedStructures.erase(found);
        if (makeCurrent()) releaseStaleLists();
    }
    render();
}

void TestGLCanvas::setActiveStructure(int id, bool flag) {
    if (DisplayedStructure* s = shownRecord(id)) s->active = flag;
}

void TestGLCanvas::moveAsymmetricPart(int id, float dx, float dy, float dz) {
    DisplayedStructure* s = shownRecord(id);
    if (!s) return;
    s->moveAsymmetricUnit(dx, dy, dz);
    s->bonds.clear();
    recompile(*s);
    render();
}

void TestGLCanvas::invertAsymmetricPart(int id) {
    DisplayedStructure* s = shownRecord(id);
    if (!s) return;
    s->mirrorAsymmetricUnitX();
    s->bonds.clear();
    recompile(*s);
    render();
}

void TestGLCanvas::OnSize(wxSizeEvent&) {
    const wxSize size = GetClientSize();
    if (makeCurrent()) {
        const wxSize pixels = size * GetContentScaleFactor();
        glViewport(0, 0, pixels.x, pixels.y);
    }
    if (trackableSize(size)) trackball.setBounds(size.x, size.y);
}

void TestGLCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);  // validates the damaged area
    render();
}

// Only OpenGL paints the canvas; an erase would flicker.
void TestGLCanvas::OnEraseBackground(wxEraseEvent&) {}

void TestGLCanvas::OnEnterWindow(wxMouseEvent&) {}

void TestGLCanvas::OnMouse(wxMouseEvent& event) {
    const float x = static_cast<float>(event.GetX()), y = static_cast<float>(event.GetY());
    // A click into the view is meant for it: the keys go there from now on.
    if (event.ButtonDown()) SetFocus();

    if (event.LeftDown()) {
        lastMouse[0] = x;
        lastMouse[1] = y;
        lastRotation = thisRotation;
        trackball.press(x, y);
    }
    if (event.Dragging()) {
        // One step per event in each direction that changed, whatever the distance.
        if (event.MiddleIsDown()) {
            if (x > lastMouse[0]) panX += 0.1f;
            if (x < lastMouse[0]) panX -= 0.1f;
            if (y > lastMouse[1]) panY -= 0.1f;
            if (y < lastMouse[1]) panY += 0.12f;
            lastMouse[0] = x;
            lastMouse[1] = y;
        }
        if (event.LeftIsDown()) {
            lastMouse[0] = x;
            lastMouse[1] = y;
            thisRotation = compose(rotationOf(trackball.dragTo(x, y)), lastRotation);
            setRotation(transform, thisRotation);
        }
    }
    // One step per wheel event, whatever its size; sideways scrolling does not zoom.
    if (event.GetEventType() == wxEVT_MOUSEWHEEL && event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) {
        if (event.GetWheelRotation() > 0) zoom += 0.5f;
        if (event.GetWheelRotation() < 0) zoom -= 0.5f;
    }
    render();
}

void TestGLCanvas::OnKeyDown(wxKeyEvent& event) {
    const ViewKey key = viewKeyOf(event.GetKeyCode());
    const auto active = std::find_if(displayedStructures.begin(), displayedStructures.end(),
                                     [](const DisplayedStructure& s) { return s.active; });
    if (active != displayedStructures.end()) applyViewKey(key, event.ShiftDown(), *active);
    // Keys the view does not use stay with the toolkit (navigation, shortcuts).
    if (key == ViewKey::Other) event.Skip();
    render();
}
