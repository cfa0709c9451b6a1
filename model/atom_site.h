#pragma once

#include <string>

#include "model/element_data.h"

// One atom: a position (fractional or Cartesian, depending on the list that
// holds it), its labels, and a copy of its element's numbers.
class AtomSite {
public:
    // Used by the expansion: origin, no labels, unmatched element with mass -1.
    AtomSite();
    // Resolves the element from `typeSymbol` by exact comparison.
    AtomSite(float x, float y, float z, std::string label, std::string typeSymbol);
    // Copies the numbers of element row `elementNumber` (1..103) without a search;
    // a number outside the table takes the fallback row.
    AtomSite(float x, float y, float z, std::string label, int elementNumber);

    void setTypeSymbol(std::string symbol);
    void setLabel(std::string label) { label_ = std::move(label); }
    void setXYZ(float x, float y, float z) {
        x_ = x;
        y_ = y;
        z_ = z;
    }

    float x() const { return x_; }
    float y() const { return y_; }
    float z() const { return z_; }
    float mass() const { return element_.mass; }
    int elementNumber() const { return elementNumber_; }
    ElementData element() const { return element_; }
    const std::string& label() const { return label_; }
    const std::string& typeSymbol() const { return typeSymbol_; }

    // Fills elementNumber and element from typeSymbol (first exact match, else
    // number 103 with the fallback row's numbers).
    void resolveElement();

private:
    float x_ = 0, y_ = 0, z_ = 0;
    std::string label_;
    std::string typeSymbol_;
    int elementNumber_ = unmatchedElementNumber;
    ElementData element_;
};
