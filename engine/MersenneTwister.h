#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorbia {

// The numbers of std::mt19937_64, the words of the state renewed a batch at a time as the
// numbers are asked for. A hand reseeds the generator and then draws about two hundred numbers,
// while the standard engine renews all 312 words at its first draw and also seeds itself when it
// is built.
class MersenneTwister64 {
  public:
    // Seeding is done at the first draw after it, so a seed that is never drawn from costs
    // nothing. Until the first Seed() the generator runs from the standard default seed.
    void Seed(uint64_t seed) {
        seed_ = seed;
        seeded_ = false;
        ready_ = kBatch;
    }

    // Seeds the generators with consecutive seeds from `first` on, at once: seeding is a chain
    // of dependent multiplications, and several chains side by side run in parallel.
    template <size_t N>
    static void SeedConsecutive(uint64_t first, std::array<MersenneTwister64, N>& generators) {
        std::array<uint64_t, N> word;
        for (size_t k = 0; k < N; ++k) {
            word[k] = first + k;
            generators[k].words_[0] = word[k];
        }
        for (int at = 1; at < kWords; ++at) {
            for (size_t k = 0; k < N; ++k) {
                word[k] = NextSeedWord(word[k], at);
                generators[k].words_[at] = word[k];
            }
        }
        for (MersenneTwister64& generator : generators) generator.StartFromSeededWords();
    }

    uint64_t operator()() {
        if (ready_ == kBatch) RenewBatch();
        return batch_[ready_++];
    }

  private:
    static constexpr int kWords = 312;
    static constexpr int kMiddle = 156;
    // Divides kMiddle, so that a batch never straddles the middle or the end of the words.
    static constexpr int kBatch = 26;
    static constexpr uint64_t kMatrix = 0xB5026F5AA96619E9ull;
    static constexpr uint64_t kUpperBits = ~uint64_t{0} << 31;
    static constexpr uint64_t kLowerBits = ~kUpperBits;

    static uint64_t NextSeedWord(uint64_t previous, int at) {
        return 6364136223846793005ull * (previous ^ (previous >> 62)) + static_cast<uint64_t>(at);
    }

    static uint64_t Temper(uint64_t word) {
        word ^= (word >> 29) & 0x5555555555555555ull;
        word ^= (word << 17) & 0x71D67FFFEDA60000ull;
        word ^= (word << 37) & 0xFFF7EEE000000000ull;
        return word ^ (word >> 43);
    }

    void FillFromSeed() {
        uint64_t word = seed_;
        words_[0] = word;
        for (int at = 1; at < kWords; ++at) {
            word = NextSeedWord(word, at);
            words_[at] = word;
        }
        StartFromSeededWords();
    }

    void StartFromSeededWords() {
        seeded_ = true;
        next_ = 0;
        ready_ = kBatch;
    }

    // The standard engine renews the words in order 0..311, each from itself, the next word and
    // the word 156 places on (wrapping): in the first half that one is still old, in the second
    // half already renewed, and word 311 is renewed from the renewed word 0.
    void RenewBatch() {
        if (!seeded_) FillFromSeed();
        const int first = next_;
        const int middle = first < kMiddle ? first + kMiddle : first - kMiddle;
        for (int i = 0; i < kBatch; ++i) {
            const uint64_t joined =
                (words_[first + i] & kUpperBits) | (words_[first + i + 1] & kLowerBits);
            // The matrix is masked in rather than chosen by a branch: the low bit is a coin toss.
            const uint64_t word =
                words_[middle + i] ^ (joined >> 1) ^ ((0 - (joined & 1)) & kMatrix);
            words_[first + i] = word;
            batch_[i] = Temper(word);
        }
        // The copy of the renewed word 0 past the end is what word 311 is renewed from.
        if (first == 0) words_[kWords] = words_[0];
        next_ = first + kBatch == kWords ? 0 : first + kBatch;
        ready_ = 0;
    }

    uint64_t seed_ = 5489;  // std::mt19937_64's default
    bool seeded_ = false;
    int next_ = 0;        // the first word of the next batch to renew
    int ready_ = kBatch;  // the next number of the batch to hand out
    std::array<uint64_t, kBatch> batch_;
    std::array<uint64_t, kWords + 1> words_;  // filled at the first draw after a seed
};

}  // namespace vorbia
