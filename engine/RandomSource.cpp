#include "RandomSource.h"

#include <chrono>

namespace vorbia {

void ClockRandom::ReseedForNewHand() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    generator_.Seed(static_cast<uint64_t>(duration_cast<microseconds>(sinceMidnight).count()));
}

double ClockRandom::NextUniform() { return UniformFromBits(generator_()); }

double SeededRandom::NextUniform() { return UniformFromBits(generator_()); }

}  // namespace vorbia
