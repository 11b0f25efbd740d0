#pragma once

#include <array>
#include <cstdint>

#include "Card.h"
#include "MatchState.h"
#include "MersenneTwister.h"

namespace vorbia {

// Same numbers on every platform, unlike std::uniform_real_distribution.
inline double UniformFromBits(uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

// A place in the deck's order, each as likely. The product is never negative, so dropping the
// fraction is rounding down.
inline int DeckPositionFromUniform(double uniform) {
    return static_cast<int>(uniform * kCardCount);
}

// DeckPositionFromUniform(UniformFromBits(bits)) in integers, which shortens the wait before a
// retried draw knows its card. The floating-point product is the exact product of the 53 kept bits
// and 40, scaled by 2^-53 and rounded to 53 bits, which moves it by at most 32 (half a step of 64
// at its size): only a product less than 64 below the next card's start can round up into it, and
// those few are worked out in floating point.
inline int DeckPositionFromBits(uint64_t bits) {
    constexpr uint64_t kCardStart = uint64_t{1} << 53;
    const uint64_t product = (bits >> 11) * kCardCount;  // exact: below 40 * 2^53
    if ((product & (kCardStart - 1)) > kCardStart - 64) [[unlikely]] {
        return DeckPositionFromUniform(UniformFromBits(bits));
    }
    return static_cast<int>(product >> 53);
}

// The deck has no order: every draw asks for a uniform number in [0, 1). The generator is
// reseeded at the start of every hand.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void ReseedForNewHand() = 0;
    virtual double NextUniform() = 0;
    // Draws numbers until one names a card not drawn yet, and returns that card.
    virtual Card NextCardNotDrawn(const CardSet& drawn);
};

// The game's own: each hand is seeded from the time of day, seconds since midnight with
// their fraction.
class ClockRandom : public RandomSource {
  public:
    void ReseedForNewHand() override;
    double NextUniform() override;

  private:
    MersenneTwister64 generator_;
};

// For tests and tools: the first hand is seeded with the given number, each later hand with
// the next one, so a match replays exactly from its seed and the human's actions.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(uint64_t firstSeed) : nextSeed_(firstSeed) {}
    void ReseedForNewHand() override;
    double NextUniform() override { return UniformFromBits(generators_[current_]()); }
    Card NextCardNotDrawn(const CardSet& drawn) override;

  private:
    // The next hands' seeds are known, so they are seeded a few at a time, which costs little
    // more than one; the spare generators wait for their hands.
    static constexpr int kSeededAtOnce = 3;
    uint64_t nextSeed_;
    int current_ = kSeededAtOnce - 1;  // so that the first reseed seeds the first hands
    std::array<MersenneTwister64, kSeededAtOnce> generators_;
};

}  // namespace vorbia
