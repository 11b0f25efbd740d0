#include "TableColours.h"

#include <array>

namespace vorbia {

Colour PaletteColour(int index) {
    // Four colours a row, as the palette is usually shown.
    // clang-format off
    static constexpr std::array<Colour, 16> kPalette = {{
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    // clang-format on
    if (index < 0 || index > 15) return kPalette[0];
    return kPalette[static_cast<size_t>(index)];
}

}  // namespace vorbia
