#pragma once

#include <array>

struct RgbColour {
    int red = 0, green = 0, blue = 0;
    bool operator==(const RgbColour& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

constexpr int maxDisplayedStructures = 10;

// The ten colours of structures shown together; each is in use while a shown
// structure carries it. The colours differ pairwise, so a colour names its slot.
class ColourSlots {
public:
    ColourSlots();
    // Takes the first free slot in table order; false when all ten are in use.
    bool take(RgbColour& colour);
    // Frees the first slot of this colour.
    void release(const RgbColour& colour);
    bool inUse(int slot) const { return inUse_[slot]; }
    static RgbColour colourOf(int slot);

private:
    std::array<bool, maxDisplayedStructures> inUse_{};
};
