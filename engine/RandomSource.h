#pragma once

#include <cstdint>

#include "MersenneTwister.h"

namespace vorbia {

// The deck has no order: every draw asks for a uniform number in [0, 1). The generator is
// reseeded at the start of every hand.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void ReseedForNewHand() = 0;
    virtual double NextUniform() = 0;
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
    void ReseedForNewHand() override { generator_.Seed(nextSeed_++); }
    double NextUniform() override;

private:
    uint64_t nextSeed_;
    MersenneTwister64 generator_;
};

// Same numbers on every platform, unlike std::uniform_real_distribution.
inline double UniformFromBits(uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

}  // namespace vorbia
