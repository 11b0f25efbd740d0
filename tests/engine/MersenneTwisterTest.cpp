// The seeded source, whose generator renews its words a batch at a time and which seeds several
// hands at once, must give the standard engine's numbers and so the same cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "RandomSource.h"

namespace vorbia {
namespace {

// The numbers of hand `hand` as the standard engine gives them, made into cards as the rules do.
struct StandardHand {
    StandardHand(uint64_t firstSeed, uint64_t hand) : engine(firstSeed + hand) {}
    double NextUniform() { return UniformFromBits(engine()); }
    Card NextCardNotDrawn(const CardSet& drawn) {
        Card card = NextCard();
        while (drawn.Contains(card)) card = NextCard();
        return card;
    }
    Card NextCard() { return CardAtDeckPosition(static_cast<int>(NextUniform() * 40)); }
    std::mt19937_64 engine;
};

TEST(SeededRandom, EachHandDrawsTheCardsOfItsOwnSeedInTheirOrder) {
    for (const uint64_t firstSeed : {1ull, 7919ull, 0x68756D616Eull}) {
        SeededRandom ours(firstSeed);
        RandomSource& source = ours;  // as the engine sees it
        // Eight hands: seeded three at a time, the last ones from a third seeding.
        for (uint64_t hand = 0; hand < 8; ++hand) {
            source.ReseedForNewHand();
            StandardHand standard(firstSeed, hand);
            const std::string where = "seed " + std::to_string(firstSeed + hand);
            // The cut cards, then the hand's cards, then numbers past the end of the state.
            for (int i = 0; i < 3; ++i)
                ASSERT_EQ(source.NextUniform(), standard.NextUniform()) << where;
            CardSet drawn;
            for (int i = 0; i < kCardCount; ++i) {
                const Card card = source.NextCardNotDrawn(drawn);
                ASSERT_EQ(DeckPosition(card), DeckPosition(standard.NextCardNotDrawn(drawn)))
                    << where << ", draw " << i;
                drawn.Add(card);
            }
            for (int i = 0; i < 400 * static_cast<int>(hand % 2); ++i)
                ASSERT_EQ(source.NextUniform(), standard.NextUniform()) << where;
        }
    }
}

TEST(SeededRandom, CardsFromTheBitsAreTheCardsFromTheirUniformNumber) {
    // The numbers just below and above each border between two cards, where rounding the
    // product could go either way, then numbers of all sizes.
    constexpr uint64_t kLargest = (uint64_t{1} << 53) - 1;  // of the 53 bits a number keeps
    std::vector<uint64_t> allBits;
    for (uint64_t border = 1; border <= kCardCount; ++border) {
        const uint64_t below = (border << 53) / kCardCount;
        for (uint64_t kept = below - 40; kept <= std::min(below + 40, kLargest); ++kept)
            allBits.push_back(kept << 11 | 0x7FF);
    }
    std::mt19937_64 dice(3);
    for (int i = 0; i < 100000; ++i) allBits.push_back(dice() >> (i % 64));
    for (const uint64_t bits : allBits)
        ASSERT_EQ(DeckPositionFromBits(bits), DeckPositionFromUniform(UniformFromBits(bits)))
            << bits;
}

}  // namespace
}  // namespace vorbia
