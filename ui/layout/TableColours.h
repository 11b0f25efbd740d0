#pragma once

#include "Players.h"

namespace vorbia {

struct Colour {
    int red;
    int green;
    int blue;
    friend constexpr bool operator==(Colour, Colour) = default;
};

constexpr Colour kDarkBlue{0, 0, 128};
constexpr Colour kDarkRed{128, 0, 0};
constexpr Colour kLightGrey{192, 192, 192};
constexpr Colour kBlue{0, 0, 255};
constexpr Colour kYellow{255, 255, 0};

// Each player's colour: its name panel while it is to move, its score bar.
constexpr PerPlayer<Colour> kPlayerColour{{kDarkRed, kDarkBlue}};
// The name panel of the player who is not to move.
constexpr Colour kWaitingPlayerColour = kLightGrey;
// The computer's name panel before the first hand.
constexpr Colour kComputerNameDesignColour = kBlue;

// The name panel of the player to move blinks between two colours of the classic 16-colour
// palette, by their indices there.
struct BlinkColours {
    int first;
    int second;
};
constexpr PerPlayer<BlinkColours> kBlinkColours{{BlinkColours{4, 12}, BlinkColours{1, 9}}};
Colour PaletteColour(int index);

}  // namespace vorbia
