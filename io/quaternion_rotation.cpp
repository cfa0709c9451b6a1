#include "io/quaternion_rotation.h"

void rotateByQuaternion(float& x, float& y, float& z, float q0, float q1, float q2, float q3) {
    const double X = x, Y = y, Z = z;
    const double Q0 = q0, Q1 = q1, Q2 = q2, Q3 = q3;
    // q·v first, then ·q̄; two of the intermediate terms are kept in single precision.
    const double w = -(Q1 * X + Q2 * Y + Q3 * Z);
    const double u = Q0 * X + Q2 * Z - Q3 * Y;
    const double v = static_cast<float>(Q0 * Y + Q3 * X - Q1 * Z);
    const double s = static_cast<float>(Q0 * Z + Q1 * Y - Q2 * X);
    x = static_cast<float>(Q0 * u - Q1 * w - Q3 * v + Q2 * s);
    y = static_cast<float>(Q0 * v - Q2 * w + Q3 * u - Q1 * s);
    z = static_cast<float>(Q0 * s - Q3 * w - Q2 * u + Q1 * v);
}
