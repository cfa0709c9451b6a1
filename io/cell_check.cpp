#include "io/cell_check.h"

#include <cmath>
#include <sstream>

std::string describeInvalidCell(const CrystalStructure& s) {
    const double lengths[3] = {s.a(), s.b(), s.c()};
    const double angles[3] = {s.alpha(), s.beta(), s.gamma()};
    bool valid = true;
    for (double length : lengths) valid = valid && std::isfinite(length) && length > 0;
    for (double angle : angles) valid = valid && std::isfinite(angle) && angle > 0 && angle < 180;
    if (valid) {
        const double toRadians = M_PI / 180;
        const double ca = std::cos(angles[0] * toRadians), cb = std::cos(angles[1] * toRadians),
                     cg = std::cos(angles[2] * toRadians);
        valid = 1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg > 0;
    }
    if (valid) return std::string();
    std::ostringstream text;
    text << "cell " << s.a() << " " << s.b() << " " << s.c() << " " << s.alpha() << " " << s.beta() << " "
         << s.gamma() << " is not a valid cell";
    return text.str();
}
