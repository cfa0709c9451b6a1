#pragma once

#include <array>
#include <string>
#include <string_view>

// One row of the element property table. Numbers are copied into every atom,
// so nothing consults the table after an atom has been built.
struct ElementData {
    std::string_view symbol;  // empty in the copies that atoms carry
    float covalentRadius = 0;  // picometres
    float vdwRadius = 0;       // picometres
    float bondTolerance = 0;   // ångström
    float mass = 0;            // unified atomic mass units
    float red = 0, green = 0, blue = 0;
    float auxValue = 0;
};

constexpr int elementRowCount = 103;           // rows 1..103
constexpr int unmatchedElementNumber = 103;    // number given to a symbol found in no row

// Rows 1..103 at indices 0..102, the fallback row at index 103.
extern const std::array<ElementData, elementRowCount + 1> elementTable;
const ElementData& fallbackElement();

// Row number (1..103) whose symbol equals `symbol` exactly, or 0 when none does.
int findElementRow(std::string_view symbol);
