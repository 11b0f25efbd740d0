#include "RandomSource.h"

#include <chrono>

namespace vorbia {

int RandomSource::NextCardNotDrawn(const DrawnCards& drawn) {
    int card = CardFromUniform(NextUniform());
    while (drawn[card]) card = CardFromUniform(NextUniform());
    return card;
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
int SeededRandom::NextCardNotDrawn(const DrawnCards& drawn) {
    MersenneTwister64& generator = generators_[current_];
    int card = CardFromBits(generator());
    while (drawn[card]) card = CardFromBits(generator());
    return card;
}

}  // namespace vorbia
