#include "Card.h"

namespace vorbia {

const std::string& SuitName(Suit suit) {
    static const std::array<std::string, kSuits> kNames = {"Denare", "Coppe", "Bastoni", "Spade"};
    return kNames[static_cast<size_t>(suit)];
}

std::string ValueName(int value) {
    switch (value) {
        case 1:
            return "Asso";
        case 8:
            return "Fante";
        case 9:
            return "Cavallo";
        case 10:
            return "Re";
        default:
            return std::to_string(value);
    }
}

std::string CardName(Card card) { return ValueName(card.value) + " di " + SuitName(card.suit); }

}  // namespace vorbia
