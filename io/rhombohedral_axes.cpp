#include "io/rhombohedral_axes.h"

#include <cctype>
#include <cmath>

#include "symmetry/space_group_lookup.h"

std::string onRhombohedralAxesIfCellIs(const std::string& text, const float cell[6]) {
    const SpaceGroupSetting* setting = findSpaceGroupSetting(text);
    if (!setting || setting->extension != "H" || text.find(':') != std::string::npos) return text;
    const std::size_t last = text.find_last_not_of(" \t_");
    if (last != std::string::npos && std::toupper(static_cast<unsigned char>(text[last])) == 'H')
        return text;  // hexagonal axes asked for explicitly
    const float a = cell[0], b = cell[1], c = cell[2], alpha = cell[3], beta = cell[4], gamma = cell[5];
    const float lengthTolerance = 1e-3f * std::fabs(a), angleTolerance = 0.01f;
    const bool rhombohedral = std::fabs(a - b) <= lengthTolerance && std::fabs(b - c) <= lengthTolerance &&
                              std::fabs(alpha - beta) <= angleTolerance && std::fabs(beta - gamma) <= angleTolerance &&
                              std::fabs(alpha - 90) > angleTolerance;
    return rhombohedral ? text + ":R" : text;
}
