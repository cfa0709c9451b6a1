#include "geometry/trackball.h"

#include <cmath>

void Trackball::setBounds(float width, float height) {
    widthScale_ = 1.0f / ((width - 1.0f) * 0.5f);
    heightScale_ = 1.0f / ((height - 1.0f) * 0.5f);
}

Vector3 Trackball::mapToSphere(float x, float y) const {
    const float X = x * widthScale_ - 1.0f;
    const float Y = 1.0f - y * heightScale_;
    const float length = X * X + Y * Y;
    if (length > 1.0f) {
        const float n = 1.0f / std::sqrt(length);
        return {X * n, Y * n, 0.0f};
    }
    return {X, Y, std::sqrt(1.0f - length)};
}

void Trackball::press(float x, float y) { start_ = mapToSphere(x, y); }

Quaternion Trackball::dragTo(float x, float y) {
    end_ = mapToSphere(x, y);
    const Vector3 perp{start_.y * end_.z - start_.z * end_.y, start_.z * end_.x - start_.x * end_.z,
                       start_.x * end_.y - start_.y * end_.x};
    if (std::sqrt(perp.x * perp.x + perp.y * perp.y + perp.z * perp.z) > 0.00001f)
        return {perp.x, perp.y, perp.z, start_.x * end_.x + start_.y * end_.y + start_.z * end_.z};
    return {};
}

Rotation3 identityRotation() { return {1, 0, 0, 0, 1, 0, 0, 0, 1}; }

Transform4 identityTransform() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Rotation3 rotationOf(const Quaternion& q) {
    const float n = q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w;
    const float s = n > 0.0f ? 2.0f / n : 0.0f;
    const float xs = q.x * s, ys = q.y * s, zs = q.z * s;
    const float wx = q.w * xs, wy = q.w * ys, wz = q.w * zs;
    const float xx = q.x * xs, xy = q.x * ys, xz = q.x * zs;
    const float yy = q.y * ys, yz = q.y * zs, zz = q.z * zs;
    return {1.0f - (yy + zz), xy + wz, xz - wy, xy - wz, 1.0f - (xx + zz), yz + wx, xz + wy, yz - wx, 1.0f - (xx + yy)};
}

Rotation3 compose(const Rotation3& newRotation, const Rotation3& last) {
    Rotation3 result{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            float sum = 0;
            for (int k = 0; k < 3; ++k) sum += newRotation[i + 3 * k] * last[k + 3 * j];
            result[i + 3 * j] = sum;
        }
    return result;
}

void setRotation(Transform4& transform, const Rotation3& rotation) {
    float squares = 0;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) squares += transform[i + 4 * j] * transform[i + 4 * j];
    const float scale = std::sqrt(squares * 0.33333334f);
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) transform[i + 4 * j] = rotation[i + 3 * j] * scale;
}
