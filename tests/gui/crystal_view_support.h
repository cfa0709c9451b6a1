#pragma once

// What the crystal view tests share: structures made in code, clicks on the
// data list, mouse and key events on the canvas, and the rendered picture read
// back and searched for the colours of the shown structures.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/grid.h>
#include <wx/utils.h>

#include "app/tessaragui_frame.h"
#include "gui_test_support.h"
#include "view/draw_crystal_data.h"
#include "view/test_gl_canvas.h"

namespace crystal_view_test {

struct Atom {
    const char* element;
    float x, y, z;
};

// A cubic structure of edge `a` (Å) with the given atoms of its asymmetric unit.
inline LoadedStructure cubicStructure(const std::string& name, float a, const std::string& group,
                                      const std::vector<Atom>& atoms) {
    CrystalStructure structure;
    structure.setCell(a, a, a, 90, 90, 90);
    structure.setSpaceGroup(group);
    int n = 0;
    for (const Atom& atom : atoms)
        structure.addAtom(AtomSite(atom.x, atom.y, atom.z, atom.element + std::to_string(++n), std::string(atom.element)));
    LoadedStructure loaded;
    loaded.fileName = name;
    loaded = structure;
    return loaded;
}

inline void load(TessaraguiFrame& frame, const std::vector<LoadedStructure>& structures) {
    for (const LoadedStructure& s : structures) frame.addStructure(s);
    frame.refreshDataList();
}

// A left click on a cell of the data list, as the grid reports it.
inline void clickCell(TessaraguiFrame& frame, int row, int column) {
    wxGrid* grid = frame.dataList();
    wxGridEvent click(grid->GetId(), wxEVT_GRID_CELL_LEFT_CLICK, grid, row, column);
    grid->ProcessWindowEvent(click);
}

enum Column { Compute = 1, Show = 2, Move = 3 };

inline std::string cell(TessaraguiFrame& frame, int row, int column) {
    return frame.dataList()->GetCellValue(row, column).ToStdString();
}

inline RgbColour cellColour(TessaraguiFrame& frame, int row, int column) {
    const wxColour c = frame.dataList()->GetCellBackgroundColour(row, column);
    return {c.Red(), c.Green(), c.Blue()};
}

constexpr RgbColour kRed{255, 0, 0}, kYellow{255, 255, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

// The view of `frame` at a known size, ready to draw.
inline TestGLCanvas& readyCanvas(TessaraguiFrame& frame, const wxSize& size = wxSize(640, 480)) {
    DrawCrystalData* view = frame.crystalWindow();
    view->SetClientSize(size);
    TestGLCanvas& canvas = *view->glCanvas();
    // The toolkit sizes and maps the windows in its own time, and the X
    // window behind the canvas grows after the toolkit reports the new size:
    // until then the far corner reads back black instead of the white
    // background (nothing is drawn in the corners of these scenes).
    const auto drawable = [&] {
        if (canvas.GetClientSize() != size || !canvas.makeCurrent()) return false;
        const CanvasPicture picture = canvas.snapshot();
        return picture.width == size.x && picture.height == size.y &&
               picture.pixel(size.x - 1, size.y - 1)[0] == 255;
    };
    for (int i = 0; i < 500 && !drawable(); ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    }
    EXPECT_TRUE(drawable()) << "the canvas cannot draw at " << size.x << "x" << size.y;
    return canvas;
}

// ---- input as the toolkit delivers it ----

struct Buttons {
    bool left = false, middle = false, right = false;
};

inline void mouse(TestGLCanvas& canvas, wxEventType type, int x, int y, Buttons held = {}, int wheel = 0,
                  wxMouseWheelAxis axis = wxMOUSE_WHEEL_VERTICAL) {
    wxMouseEvent event(type);
    event.SetEventObject(&canvas);
    event.SetPosition(wxPoint(x, y));
    event.SetLeftDown(held.left);
    event.SetMiddleDown(held.middle);
    event.SetRightDown(held.right);
    event.m_wheelRotation = wheel;
    event.m_wheelDelta = 120;
    event.m_wheelAxis = axis;
    canvas.ProcessWindowEvent(event);
}

inline void wheel(TestGLCanvas& canvas, int steps) {
    for (int i = 0; i < std::abs(steps); ++i) mouse(canvas, wxEVT_MOUSEWHEEL, 10, 10, {}, steps > 0 ? 120 : -120);
}

inline void key(TestGLCanvas& canvas, int code, bool shift = false) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.SetEventObject(&canvas);
    event.m_keyCode = code;
    event.SetShiftDown(shift);
    canvas.ProcessWindowEvent(event);
}

// ---- where the scene lands in the picture ----

// The OpenGL rotation of `degrees` about a coordinate axis.
inline std::array<double, 3> turned(std::array<double, 3> v, int axis, double degrees) {
    const double r = degrees * M_PI / 180, c = std::cos(r), s = std::sin(r);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    const double vi = v[i], vj = v[j];
    v[i] = c * vi - s * vj;
    v[j] = s * vi + c * vj;
    return v;
}

// Picture coordinates (bottom row 0) of a point given in the Cartesian frame of
// shown structure `s`: its offsets about the pivot, then the camera, then a
// 45° perspective.
inline std::array<double, 2> projected(const TestGLCanvas& canvas, const DisplayedStructure& s,
                                       const std::array<float, 3>& point) {
    const std::array<float, 3> pivot = canvas.pivot();
    float shift[3];
    s.fracToCartesian(s.shift[0], s.shift[1], s.shift[2], shift);
    std::array<double, 3> v{};
    for (int i = 0; i < 3; ++i) v[i] = double(point[i]) + shift[i] - pivot[i];
    for (int axis = 2; axis >= 0; --axis) v = turned(v, axis, s.rotationAngles[axis]);  // x(y(z(v)))
    const CameraState camera = canvas.camera();
    std::array<double, 3> eye{camera.panX, camera.panY, camera.zoom};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) eye[i] += camera.transform[i + 4 * j] * v[j];
    const wxSize size = canvas.GetClientSize();
    const double f = 1 / std::tan(22.5 * M_PI / 180), aspect = double(size.x) / size.y;
    return {(f / aspect * eye[0] / -eye[2] + 1) * size.x / 2, (f * eye[1] / -eye[2] + 1) * size.y / 2};
}

// Whether a pixel is a lit shade of `colour` (components 0 or 255 only): its
// full channels clearly above its empty ones and close to each other (the
// specular highlight pales a colour towards white).
inline bool shadeOf(const unsigned char* p, const RgbColour& colour) {
    const int wanted[3] = {colour.red, colour.green, colour.blue};
    int lowestFull = 255, highestFull = 0, highestEmpty = 0;
    for (int i = 0; i < 3; ++i) {
        if (wanted[i] == 255) {
            lowestFull = std::min(lowestFull, int(p[i]));
            highestFull = std::max(highestFull, int(p[i]));
        } else {
            highestEmpty = std::max(highestEmpty, int(p[i]));
        }
    }
    return lowestFull > highestEmpty + 50 && highestFull - lowestFull < 60;
}

// How many pixels within `radius` of `centre` are shades of `colour`.
inline int shadedPixels(const CanvasPicture& picture, const std::array<double, 2>& centre, double radius,
                        const RgbColour& colour) {
    int count = 0;
    for (int y = int(centre[1] - radius); y <= int(centre[1] + radius); ++y)
        for (int x = int(centre[0] - radius); x <= int(centre[0] + radius); ++x) {
            if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) continue;
            if (std::hypot(x - centre[0], y - centre[1]) > radius) continue;
            if (shadeOf(picture.pixel(x, y), colour)) ++count;
        }
    return count;
}

// How many pixels near the atom at fractional `point` of shown structure `id`
// are shades of that structure's colour.
inline int atomPixels(const TestGLCanvas& canvas, const CanvasPicture& picture, int id,
                      const std::array<float, 3>& point) {
    const DisplayedStructure* s = canvas.findShown(id);
    if (!s) return 0;
    float cartesian[3];
    s->fracToCartesian(point[0], point[1], point[2], cartesian);
    return shadedPixels(picture, projected(canvas, *s, {cartesian[0], cartesian[1], cartesian[2]}), 3, s->colour);
}

// How many pixels of two pictures of one size differ by more than `tolerance` in a channel.
inline int differingPixels(const CanvasPicture& a, const CanvasPicture& b, int tolerance = 2) {
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    int count = 0;
    for (std::size_t i = 0; i + 2 < std::min(a.rgb.size(), b.rgb.size()); i += 3)
        for (int c = 0; c < 3; ++c)
            if (std::abs(int(a.rgb[i + c]) - int(b.rgb[i + c])) > tolerance) {
                ++count;
                break;
            }
    return count;
}

}  // namespace crystal_view_test
