#pragma once

// The vector part of q·(0, x, y, z)·q̄ for q = q0 + q1·i + q2·j + q3·k. The
// quaternion is used as written: one of norm n also scales the vector by n².
void rotateByQuaternion(float& x, float& y, float& z, float q0, float q1, float q2, float q3);
