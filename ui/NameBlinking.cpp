#include "NameBlinking.h"

#include "Card.h"

namespace vorbia {

std::optional<NameBlinking::Change> NameBlinking::Tick(int turn) {
    if (turn == kComputer) {
        computerColour_ = computerColour_ == 1 ? 9 : 1;
        return Change{Element::ComputerNamePanel, computerColour_};
    }
    if (turn == kHuman) {
        humanColour_ = humanColour_ == 4 ? 12 : 4;
        return Change{Element::HumanNamePanel, humanColour_};
    }
    return std::nullopt;
}

}  // namespace vorbia
