// What the 3D view computes without drawing: trackball, colours, images, bonds.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/scene_geometry.h"
#include "geometry/trackball.h"
#include "model/colour_slots.h"
#include "symmetry/view_groups.h"

namespace {

// Applies a column-major rotation to a vector.
std::array<float, 3> turn(const Rotation3& r, const std::array<float, 3>& v) {
    return {r[0] * v[0] + r[3] * v[1] + r[6] * v[2], r[1] * v[0] + r[4] * v[1] + r[7] * v[2],
            r[2] * v[0] + r[5] * v[1] + r[8] * v[2]};
}

// Rotation of a vector by `angle` degrees about a (not necessarily unit) axis.
std::array<float, 3> turnAbout(const std::array<float, 3>& v, float angle, std::array<float, 3> axis) {
    const float n = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    for (float& a : axis) a /= n;
    const float half = std::sin(angle * float(M_PI) / 360);
    return turn(rotationOf({axis[0] * half, axis[1] * half, axis[2] * half, std::cos(angle * float(M_PI) / 360)}), v);
}

}  // namespace

TEST(Trackball, MapsPressesOntoTheSphereAndDragsIntoRotations) {
    Trackball ball;
    ball.setBounds(401, 301);
    const Vector3 centre = ball.mapToSphere(200, 150);
    EXPECT_NEAR(centre.z, 1.0f, 1e-6);
    const Vector3 outside = ball.mapToSphere(400, 150);  // right edge: on the rim
    EXPECT_NEAR(outside.x, 1.0f, 1e-6);
    EXPECT_EQ(outside.z, 0.0f);
    const Vector3 corner = ball.mapToSphere(0, 0);  // beyond the circle: normalised onto the rim
    EXPECT_NEAR(corner.x * corner.x + corner.y * corner.y, 1.0f, 1e-6);
    EXPECT_EQ(corner.z, 0.0f);

    ball.press(200, 150);
    const Quaternion none = ball.dragTo(200, 150);
    EXPECT_EQ(rotationOf(none), identityRotation());
    const Quaternion q = ball.dragTo(250, 150);  // to the right: a turn about +y
    EXPECT_GT(q.y, 0.0f);
    EXPECT_NEAR(q.x, 0.0f, 1e-6);
    const auto moved = turn(rotationOf(q), {0, 0, 1});
    EXPECT_GT(moved[0], 0.0f);  // the front of the scene follows the mouse
}

TEST(Trackball, QuaternionsCompositionAndTransform) {
    const float h = std::sqrt(0.5f);
    const Rotation3 quarterZ = rotationOf({0, 0, h, h});
    const auto x = turn(quarterZ, {1, 0, 0});
    EXPECT_NEAR(x[0], 0, 1e-6);
    EXPECT_NEAR(x[1], 1, 1e-6);
    const Rotation3 halfZ = compose(quarterZ, quarterZ);
    EXPECT_NEAR(turn(halfZ, {1, 0, 0})[0], -1, 1e-6);
    EXPECT_EQ(rotationOf({0, 0, 2 * h, 2 * h}), quarterZ);  // the length does not matter

    Transform4 transform = identityTransform();
    transform[12] = 3;  // translation stays
    setRotation(transform, quarterZ);
    EXPECT_NEAR(transform[1], 1, 1e-6);
    EXPECT_NEAR(transform[4], -1, 1e-6);
    EXPECT_EQ(transform[12], 3);
    EXPECT_EQ(transform[15], 1);
}

TEST(ColourSlots, FirstFreeSlotInTableOrder) {
    ColourSlots slots;
    RgbColour a, b, c, d;
    ASSERT_TRUE(slots.take(a) && slots.take(b) && slots.take(c));
    EXPECT_EQ(a, (RgbColour{255, 0, 0}));
    EXPECT_EQ(b, (RgbColour{255, 255, 0}));
    EXPECT_EQ(c, (RgbColour{0, 255, 0}));
    slots.release(b);
    ASSERT_TRUE(slots.take(d));
    EXPECT_EQ(d, (RgbColour{255, 255, 0}));  // yellow again, not blue
    RgbColour more;
    for (int i = 3; i < maxDisplayedStructures; ++i) ASSERT_TRUE(slots.take(more));
    EXPECT_FALSE(slots.take(more));  // an eleventh is refused
    slots.release(ColourSlots::colourOf(6));
    EXPECT_FALSE(slots.inUse(6));
    for (int i = 0; i < maxDisplayedStructures; ++i) EXPECT_EQ(slots.inUse(i), i != 6) << i;
}

TEST(ViewGroups, ImagesMoveWholeIntoTheCell) {
    CrystalStructure lone;
    lone.setCell(10, 10, 10, 90, 90, 90);
    lone.setSpaceGroup("P 1");
    lone.addAtom(AtomSite(1.25f, -0.25f, 0.5f, "C1", std::string("C")));
    buildViewGroups(lone);
    ASSERT_EQ(lone.viewMolecules().size(), 1u);
    EXPECT_FLOAT_EQ(lone.viewMolecules()[0].atoms[0].x(), 2.5f);
    EXPECT_FLOAT_EQ(lone.viewMolecules()[0].atoms[0].y(), 7.5f);
    EXPECT_TRUE(computeBonds(lone.viewMolecules()).empty());

    // A C–C pair across the a face: its centroid is in the cell, so it stays whole and bonded.
    CrystalStructure pair;
    pair.setCell(10, 10, 10, 90, 90, 90);
    pair.setSpaceGroup("P -1");
    pair.addAtom(AtomSite(0.97f, 0.3f, 0.3f, "C1", std::string("C")));
    pair.addAtom(AtomSite(1.12f, 0.3f, 0.3f, "C2", std::string("C")));
    buildViewGroups(pair);
    ASSERT_EQ(pair.viewSymmetryGroups().size(), 2u);
    const AtomGroup& first = pair.viewSymmetryGroups()[0];
    EXPECT_NEAR(first.atoms[0].x(), -0.03f, 1e-6);  // outside the box on one side
    EXPECT_NEAR(first.atoms[1].x(), 0.12f, 1e-6);
    EXPECT_EQ(computeBonds(pair.viewMolecules()).size(), 2u);  // one per image, none between images
    pair.moveAsymmetricUnit(0.5f, 0, 0);
    EXPECT_TRUE(pair.viewGroups().empty());  // an edit drops the groups
}

TEST(ViewGroups, BondRule) {
    const struct {
        const char* element;
        double distance;
        bool bonded;
    } cases[] = {
        // The edges are single-precision sums: 1.54 − 0.4 comes out a hair below 1.14.
        {"C", 1.139, false}, {"C", 1.15, true}, {"C", 1.93, true}, {"C", 1.94, false},
        {"H", 0.459, false}, {"H", 0.50, true}, {"H", 1.05, true}, {"H", 1.06, false},
    };
    for (const auto& c : cases) {
        const AtomSite a(0, 0, 0, "A", std::string(c.element)), b(0, 0, 0, "B", std::string(c.element));
        EXPECT_EQ(bonded(a, b, c.distance), c.bonded) << c.element << " " << c.distance;
    }
}

TEST(SceneGeometry, CellBoxCentreCylindersKeysAndAspect) {
    CrystalStructure cube;
    cube.setCell(10, 10, 10, 90, 90, 90);
    cube.setSpaceGroup("P 1");
    const auto edges = cellBoxEdges(cube);
    ASSERT_EQ(edges.size(), 12u);
    EXPECT_EQ(edges[0].colour[0], 1.0f);
    EXPECT_EQ(edges[2].colour[2], 1.0f);
    EXPECT_EQ(edges[11].colour[1], 0.5f);
    const auto centre = cellCentre(cube);
    EXPECT_NEAR(centre[0], 5, 1e-5);
    EXPECT_NEAR(centre[2], 5, 1e-5);

    const float origin[3] = {0, 0, 0};
    for (const std::array<float, 3> direction : {std::array<float, 3>{0, 0, -2}, {1.5f, 0, 0}, {0.3f, -0.4f, 1.2f}}) {
        const float tip[3] = {direction[0], direction[1], direction[2]};
        const CylinderPlacement c = bondCylinder(tip, origin);
        const auto z = turnAbout({0, 0, 1}, c.angle, c.axis);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(z[i] * c.length, direction[i], 1e-5) << i;
    }

    ViewOffsets offsets;
    EXPECT_TRUE(applyViewKey(ViewKey::Left, false, offsets));
    EXPECT_TRUE(applyViewKey(ViewKey::In, false, offsets));
    EXPECT_TRUE(applyViewKey(ViewKey::Up, true, offsets));
    EXPECT_FLOAT_EQ(offsets.shift[0], -0.01f);
    EXPECT_FLOAT_EQ(offsets.shift[2], 0.01f);
    EXPECT_FLOAT_EQ(offsets.rotationAngles[1], 0.5f);
    EXPECT_FALSE(applyViewKey(ViewKey::Other, false, offsets));
    EXPECT_TRUE(applyViewKey(ViewKey::Reset, false, offsets));
    EXPECT_EQ(offsets.shift[0], 0.0f);

    EXPECT_NEAR(aspectRatio(800, 600), 4.0 / 3, 1e-12);
    EXPECT_EQ(aspectRatio(800, 0), 1.0);
}
