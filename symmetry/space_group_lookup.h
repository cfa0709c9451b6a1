#pragma once

#include <string>
#include <string_view>

#include "symmetry/space_group_setting.h"

// The setting a free-text space-group symbol names (Hermann-Mauguin in its
// usual spellings, Schoenflies, or a number, each optionally followed by
// ":" and a setting code), or null. Pure: no state between calls.
const SpaceGroupSetting* findSpaceGroupSetting(std::string_view symbol);

// Whether `name` (already free of blanks and '_') spells `label` (read up to
// its first '='): directly, with a bar written after its digit, or, for
// cubic groups (number >= 195), without the bar before a 3.
bool matchSpaceGroupLabel(int number, std::string_view label, std::string_view name);

// Full three-position form of a short monoclinic symbol, the unique axis
// being 'a', 'c' or otherwise b: ('b', "P21/n") gives "P121/n1".
std::string expandMonoclinicSymbol(char axis, std::string_view name);
