#pragma once

#include <cstddef>
#include <string_view>

#include "symmetry/space_group_builder.h"

// Reads a Hall symbol (explicit-origin notation, e.g. "-P 2ybc" or
// "P 61 2 (0 0 -1)") into `builder`, inserting each operator as it is read.
// Returns the position at which reading stopped: the text's length when the
// whole symbol was understood.
std::size_t parseHallSymbol(std::string_view text, SpaceGroupBuilder& builder);
