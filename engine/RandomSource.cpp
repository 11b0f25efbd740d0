#include "RandomSource.h"

#include <chrono>

namespace vorbia {

Card RandomSource::NextCardNotDrawn(const CardSet& drawn) {
    const uint64_t taken = drawn.Bits();
    int position = DeckPositionFromUniform(NextUniform());
    while ((taken >> position) & 1u) position = DeckPositionFromUniform(NextUniform());
    return CardAtDeckPosition(position);
}

void ClockRandom::ReseedForNewHand() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    generator_.Seed(static_cast<uint64_t>(duration_cast<microseconds>(sinceMidnight).count()));
}

double ClockRandom::NextUniform() { return UniformFromBits(generator_()); }

void SeededRandom::ReseedForNewHand() {
    ++current_;
    if (current_ < kSeededAtOnce) return;
    MersenneTwister64::SeedConsecutive(nextSeed_, generators_);
    nextSeed_ += kSeededAtOnce;
    current_ = 0;
}

// The same draws as the plain loop, without a virtual call for every number.
Card SeededRandom::NextCardNotDrawn(const CardSet& drawn) {
    MersenneTwister64& generator = generators_[current_];
    const uint64_t taken = drawn.Bits();
    int position = DeckPositionFromBits(generator());
    while ((taken >> position) & 1u) position = DeckPositionFromBits(generator());
    return CardAtDeckPosition(position);
}

}  // namespace vorbia
