#include "Palette.h"

namespace vorbia {

QColor PaletteColour(int index) {
    static const QColor kPalette[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    if (index < 0 || index > 15) return kPalette[0];
    return kPalette[index];
}

}  // namespace vorbia
