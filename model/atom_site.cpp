#include "model/atom_site.h"

#include <utility>

namespace {
ElementData numbersOnly(const ElementData& row) {
    ElementData copy = row;
    copy.symbol = {};
    return copy;
}
}  // namespace

AtomSite::AtomSite() { element_.mass = -1; }

AtomSite::AtomSite(float x, float y, float z, std::string label, std::string typeSymbol)
    : x_(x), y_(y), z_(z), label_(std::move(label)), typeSymbol_(std::move(typeSymbol)) {
    resolveElement();
}

AtomSite::AtomSite(float x, float y, float z, std::string label, int elementNumber)
    : x_(x), y_(y), z_(z), label_(std::move(label)), elementNumber_(elementNumber) {
    const bool inTable = elementNumber >= 1 && elementNumber <= elementRowCount;
    element_ = numbersOnly(inTable ? elementTable[elementNumber - 1] : fallbackElement());
}

void AtomSite::setTypeSymbol(std::string symbol) {
    typeSymbol_ = std::move(symbol);
    resolveElement();
}

void AtomSite::resolveElement() {
    const int row = findElementRow(typeSymbol_);
    if (row > 0) {
        elementNumber_ = row;
        element_ = numbersOnly(elementTable[row - 1]);
    } else {
        elementNumber_ = unmatchedElementNumber;
        element_ = numbersOnly(fallbackElement());
    }
}
