#include "model/colour_slots.h"

namespace {
constexpr RgbColour palette[maxDisplayedStructures] = {
    {255, 0, 0},   {255, 255, 0}, {0, 255, 0},     {0, 0, 255},   {0, 255, 255},
    {255, 0, 255}, {255, 128, 0}, {200, 200, 200}, {50, 204, 153}, {255, 104, 153},
};
}  // namespace

ColourSlots::ColourSlots() = default;

RgbColour ColourSlots::colourOf(int slot) { return palette[slot]; }

bool ColourSlots::take(RgbColour& colour) {
    for (int slot = 0; slot < maxDisplayedStructures; ++slot)
        if (!inUse_[slot]) {
            inUse_[slot] = true;
            colour = palette[slot];
            return true;
        }
    return false;
}

void ColourSlots::release(const RgbColour& colour) {
    for (int slot = 0; slot < maxDisplayedStructures; ++slot)
        if (palette[slot] == colour) {
            inUse_[slot] = false;
            return;
        }
}
