#pragma once

#include <string>
#include <string_view>

// Schoenflies symbol of space group `number` (1..230), e.g. "C2h^5" for 14.
std::string schoenfliesSymbol(int number);

// Number whose Schoenflies symbol equals `name` (case-insensitive; the '^'
// also matches any character that is neither a letter nor a digit), or -1.
int findSchoenfliesNumber(std::string_view name);
