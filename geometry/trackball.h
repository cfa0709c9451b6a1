#pragma once

#include <array>

// Column-major 3×3 rotation (element (row i, column j) at index i + 3j) and
// 4×4 transform in OpenGL's order.
using Rotation3 = std::array<float, 9>;
using Transform4 = std::array<float, 16>;

struct Quaternion {
    float x = 0, y = 0, z = 0, w = 0;
};

struct Vector3 {
    float x = 0, y = 0, z = 0;
};

// A virtual sphere under the window: a press fixes a point on it, every drag
// position gives the rotation from that point to the current one.
class Trackball {
public:
    void setBounds(float width, float height);
    // Window position (y downwards) onto the unit sphere; outside the circle onto its rim.
    Vector3 mapToSphere(float x, float y) const;
    void press(float x, float y);
    // The rotation from the press point to this one: (cross product, dot product),
    // or the zero quaternion when the two points (nearly) coincide.
    Quaternion dragTo(float x, float y);

    const Vector3& startVector() const { return start_; }

private:
    Vector3 start_, end_;
    float widthScale_ = 1, heightScale_ = 1;
};

Rotation3 identityRotation();
Transform4 identityTransform();
// The rotation a quaternion of any length stands for; the zero quaternion gives the identity.
Rotation3 rotationOf(const Quaternion& q);
// newRotation · last.
Rotation3 compose(const Rotation3& newRotation, const Rotation3& last);
// Writes `rotation` into the upper-left block of `transform`, scaled by the
// block's current size (1 for a rotation, up to rounding); the translation
// column and the bottom row stay.
void setRotation(Transform4& transform, const Rotation3& rotation);
