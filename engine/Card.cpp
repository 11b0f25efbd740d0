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

std::string CardNames(const std::vector<Card>& cards) {
    std::string names;
    for (size_t index = 0; index < cards.size(); ++index) {
        if (index > 0) names += index + 1 == cards.size() ? " e " : ", ";
        names += CardName(cards[index]);
    }
    return names;
}

}  // namespace vorbia
