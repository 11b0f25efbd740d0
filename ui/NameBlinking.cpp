#include "NameBlinking.h"

namespace vorbia {

std::optional<NameBlinking::Change> NameBlinking::Tick(Player turn) {
    if (turn == Player::Computer) {
        computerColour_ = computerColour_ == 1 ? 9 : 1;
        return Change{Element::ComputerNamePanel, computerColour_};
    }
    if (turn == Player::Human) {
        humanColour_ = humanColour_ == 4 ? 12 : 4;
        return Change{Element::HumanNamePanel, humanColour_};
    }
    return std::nullopt;
}

}  // namespace vorbia
