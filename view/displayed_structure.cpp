#include "view/displayed_structure.h"

DisplayedStructure makeDisplayedStructure(const CrystalStructure& loaded, const RgbColour& colour) {
    DisplayedStructure shown;
    shown.setCell(loaded.a(), loaded.b(), loaded.c(), loaded.alpha(), loaded.beta(), loaded.gamma());
    shown.setSpaceGroup(loaded.spaceGroupName());
    for (const AtomSite& atom : loaded.originalAtoms()) shown.addAtom(atom);
    shown.setId(loaded.id());
    shown.colour = colour;
    shown.setWrapAsymmetricAtoms(false);
    shown.expandAsymmetricUnit();
    return shown;
}

ColourSlots& colourSlots() {
    static ColourSlots slots;
    return slots;
}
