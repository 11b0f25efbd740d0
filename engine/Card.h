#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vorbia {

// Card numbers run 1..40: 1-10 Denare, 11-20 Coppe, 21-30 Bastoni, 31-40 Spade, each Asso to Re.
// 0 means "no card".
constexpr int kCardCount = 40;
constexpr int kDeckBackPicture = 0;
constexpr int kComputerPile = 41;
constexpr int kHumanPile = 42;
constexpr int kPictureCount = 43;

// Who is to move; nobody until the first hand has been dealt.
enum class Player { Nobody, Human, Computer };

// The pile picture of the player, where its cards are drawn from and its captures go.
constexpr int PileOf(Player player) { return player == Player::Human ? kHumanPile : kComputerPile; }

struct SuitAndValue {
    int suit;
    int value;
};

// Splits as the game always has: card 0 gives value 10 and suit 0, which later rules rely on
// to mean "there was no previous card".
constexpr SuitAndValue SplitCardNumber(int card) {
    int suit = card / 10 + 1;
    int value = card % 10;
    if (value == 0) {
        value = 10;
        suit -= 1;
    }
    return {suit, value};
}

// The rules split cards at every play, so the deck's splits are worked out once.
inline constexpr std::array<SuitAndValue, kCardCount + 1> kSplitCards = [] {
    std::array<SuitAndValue, kCardCount + 1> splits{};
    for (int card = 0; card <= kCardCount; ++card) splits[card] = SplitCardNumber(card);
    return splits;
}();

constexpr SuitAndValue SplitCard(int card) {
    return card >= 0 && card <= kCardCount ? kSplitCards[card] : SplitCardNumber(card);
}

constexpr int CardValue(int card) { return SplitCard(card).value; }
constexpr int CardSuit(int card) { return SplitCard(card).suit; }

constexpr int kTwoOfSpade = 32;

// Asso, Fante, Cavallo, Re and the 2 of Spade are the 17 point cards.
constexpr int CardPoints(int card) {
    if (card < 1 || card > kCardCount) return 0;
    const int value = CardValue(card);
    return (value == 1 || value >= 8 || card == kTwoOfSpade) ? 1 : 0;
}

const std::string& SuitName(int suit);     // 1..4
std::string ValueName(int value);          // "Asso", "2".."7", "Fante", "Cavallo", "Re"
std::string NameEnding(std::string_view name);  // "a" or "o", by the name's last letter

// The human's name panel: the name, then " (Uman" and its ending, then ")".
std::string HumanCaption(std::string_view name);

}  // namespace vorbia
