#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "Lookahead.h"
#include "MatchEngine.h"
#include "MatchState.h"
#include "RandomSource.h"

namespace vorbia {

// How the simulated human decides each turn.
enum class HumanPolicy {
    Computer,  // the computer's own search, which reads only what both players see
    Greedy,    // the capture with the most point cards, then the most cards, then the first found
    Random,    // a uniformly random valid capture, or a plain laying
    Plain,     // never captures
    Coach,     // the coach's lookahead over the cards that may come
    Oracle,    // the same lookahead told the deck's order: a ceiling, not a fair player
    Peek,      // the coach told only the computer's next card: what one card is worth
};

std::optional<HumanPolicy> ParseHumanPolicy(std::string_view name);
const char* HumanPolicyName(HumanPolicy policy);

// A small generator with a cheap seed, since every match seeds its own.
class SplitMix64 {
  public:
    using result_type = uint64_t;
    explicit SplitMix64(uint64_t seed) : state_(seed) {}
    static constexpr uint64_t min() { return 0; }
    static constexpr uint64_t max() { return std::numeric_limits<uint64_t>::max(); }
    uint64_t operator()() {
        uint64_t x = (state_ += 0x9E3779B97F4A7C15ull);
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
        return x ^ (x >> 31);
    }

  private:
    uint64_t state_;
};

// One simulated human: plays its current card when the engine waits for it, selecting table
// cards first with the same operations a click uses.
class SimulatedHuman {
  public:
    // A selection never holds more than the table's cards: reserved once, no turn allocates.
    SimulatedHuman(HumanPolicy policy, uint64_t seed) : policy_(policy), dice_(seed) {
        selection_.reserve(kSlots);
    }
    void PlayTurn(MatchEngine& engine, const MatchState& state);
    // The table cards this human would select for its current card.
    const std::vector<Card>& Choose(const MatchState& state);
    // The oracle reads the deck's order from a copy of the match's generator.
    void SeeDeckOrder(const SeededRandom& random) { deckOrder_ = &random; }
    void SetCoachTurns(int turns) { coachTurns_ = turns; }

  private:
    void ChooseGreedy(const MatchState& state);
    void ChooseRandom(const MatchState& state);
    void ChooseWithOrder(const MatchState& state, int cardsKnown);

    HumanPolicy policy_;
    SplitMix64 dice_;
    std::vector<Card> selection_;
    std::vector<uint32_t> captures_;  // sets of table-card indices, reused from turn to turn
    const SeededRandom* deckOrder_ = nullptr;
    int coachTurns_ = kCoachTurns;
};

}  // namespace vorbia
