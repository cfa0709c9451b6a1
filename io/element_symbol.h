#pragma once

#include <string>

// The element symbol a CIF type symbol stands for: the symbol itself when the
// element table knows it ("Fe", "HB"), else its leading letters without an
// oxidation state or other suffix ("O2-" is O, "Fe3+" is Fe, "SI4+" is Si).
// Text without a leading letter is returned unchanged.
std::string elementSymbolFromType(const std::string& typeSymbol);

// The element a site label names: its leading capital and an optional
// lower-case letter, when that is an element ("Ca1" is Ca, "C(11)" is C,
// "O2" is O, "Ow1" is O). Empty when the label starts with no capital.
std::string elementSymbolFromLabel(const std::string& label);
