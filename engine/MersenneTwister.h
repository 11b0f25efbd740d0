#pragma once

#include <array>
#include <cstdint>

namespace vorbia {

// The numbers of std::mt19937_64, each word of the state renewed only when its number is asked
// for. A hand reseeds the generator and then draws fewer than 312 numbers, while the standard
// engine renews all 312 words at its first draw and also seeds itself when it is built.
class MersenneTwister64 {
  public:
    // Seeding is done at the first draw after it, so a seed that is never drawn from costs
    // nothing. Until the first Seed() the generator runs from the standard default seed.
    void Seed(uint64_t seed) {
        seed_ = seed;
        seeded_ = false;
    }

    uint64_t operator()() {
        if (!seeded_) Fill();
        // The standard engine renews the words in order 0..311: the words before `next_` are
        // already renewed and those after it not yet, exactly as it finds them.
        const int at = next_;
        const int after = at + 1 == kWords ? 0 : at + 1;
        const int middle = at < kWords - kMiddle ? at + kMiddle : at + kMiddle - kWords;
        const uint64_t joined = (words_[at] & kUpperBits) | (words_[after] & kLowerBits);
        // The matrix is masked in rather than chosen by a branch: the low bit is a coin toss.
        uint64_t word = words_[middle] ^ (joined >> 1) ^ ((0 - (joined & 1)) & kMatrix);
        words_[at] = word;
        next_ = after;

        word ^= (word >> 29) & 0x5555555555555555ull;
        word ^= (word << 17) & 0x71D67FFFEDA60000ull;
        word ^= (word << 37) & 0xFFF7EEE000000000ull;
        return word ^ (word >> 43);
    }

  private:
    static constexpr int kWords = 312;
    static constexpr int kMiddle = 156;
    static constexpr uint64_t kMatrix = 0xB5026F5AA96619E9ull;
    static constexpr uint64_t kUpperBits = ~uint64_t{0} << 31;
    static constexpr uint64_t kLowerBits = ~kUpperBits;

    void Fill() {
        words_[0] = seed_;
        for (int at = 1; at < kWords; ++at) {
            const uint64_t previous = words_[at - 1];
            words_[at] =
                6364136223846793005ull * (previous ^ (previous >> 62)) + static_cast<uint64_t>(at);
        }
        next_ = 0;
        seeded_ = true;
    }

    uint64_t seed_ = 5489;  // std::mt19937_64's default
    bool seeded_ = false;
    int next_ = 0;
    std::array<uint64_t, kWords> words_;  // filled at the first draw after a seed
};

}  // namespace vorbia
