#pragma once

#include <string_view>

// The parsed form of a setting code such as "b1", "-c2", "1cab", "H".
// Blank choices are '\0'.
struct ExtensionInfo {
    char originChoice = '\0';     // '1' or '2'
    char cellChoice = '\0';       // '1', '2' or '3'
    char basisChoice = '\0';      // 'H' or 'R'
    std::string_view axisCode;    // canonical axis code ("b", "-c", "cab", "ba-c", ...) or empty
};

// Accepts: empty; a code character optionally followed by an axis code; an
// axis code optionally followed by a code character. Anything left over fails.
bool parseExtension(std::string_view text, ExtensionInfo& info);
