#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorbia {

enum class Suit : uint8_t { Denare, Coppe, Bastoni, Spade };
constexpr int kSuits = 4;
constexpr int kValuesPerSuit = 10;
constexpr int kCardCount = kSuits * kValuesPerSuit;

constexpr std::array<Suit, kSuits> kAllSuits = {Suit::Denare, Suit::Coppe, Suit::Bastoni,
                                                Suit::Spade};

// One of the 40 cards: a suit and a value from 1 (Asso) to 10 (Re).
struct Card {
    Suit suit;
    uint8_t value;

    friend constexpr bool operator==(Card, Card) = default;
};

// The order of the deck, on which a draw picks its card: the Denare from Asso to Re, then the
// Coppe, the Bastoni and the Spade.
constexpr int DeckPosition(Card card) {
    return static_cast<int>(card.suit) * kValuesPerSuit + card.value - 1;
}
// Looked up rather than divided: the draws and the selection's sums turn places into cards at
// every turn.
inline constexpr std::array<Card, kCardCount> kCardsInDeckOrder = [] {
    std::array<Card, kCardCount> cards{};
    for (int position = 0; position < kCardCount; ++position) {
        cards[position] = {static_cast<Suit>(position / kValuesPerSuit),
                           static_cast<uint8_t>(position % kValuesPerSuit + 1)};
    }
    return cards;
}();
constexpr Card CardAtDeckPosition(int position) { return kCardsInDeckOrder[position]; }

constexpr Card kTwoOfSpade{Suit::Spade, 2};

// Asso, Fante, Cavallo, Re and the 2 of Spade are the 17 point cards.
constexpr int CardPoints(Card card) {
    return (card.value == 1 || card.value >= 8 || card == kTwoOfSpade) ? 1 : 0;
}

// A court card counts one less in a scopa.
constexpr int ScopaValue(Card card) { return card.value > 7 ? card.value - 1 : card.value; }

const std::string& SuitName(Suit suit);
std::string ValueName(int value);  // "Asso", "2".."7", "Fante", "Cavallo", "Re"
// "Asso di Denare", "7 di Coppe", "Re di Spade".
std::string CardName(Card card);
// The cards' names as said in a sentence: "A", "A e B", "A, B e C".
std::string CardNames(const std::vector<Card>& cards);

}  // namespace vorbia
