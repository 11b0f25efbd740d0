#include "SimulatedMatch.h"

#include "MatchEngine.h"
#include "RandomSource.h"

namespace vorbia {

namespace {

// A match plays a few hundred turns at most; far more means it is stuck.
constexpr int kMostHumanTurns = 100000;

uint64_t SplitMix(uint64_t x) { return SplitMix64(x)(); }

// Counts the hands: the generator is reseeded once at the start of each.
class HandCountingRandom : public SeededRandom {
  public:
    using SeededRandom::SeededRandom;
    void ReseedForNewHand() override {
        ++hands;
        SeededRandom::ReseedForNewHand();
    }
    int hands = 0;
};

// Ends the run at the end of the match instead of starting another.
class SimulationTable : public UnseenTable {
  public:
    explicit SimulationTable(MatchResult& result) : result_(result) {}
    void Attach(MatchEngine& engine) { engine_ = &engine; }

    void MatchOver(const MatchState& state, StepDone) override {
        result_.finished = true;
        result_.finalScore = state.Score;
        result_.winner =
            state.Score[Player::Human] >= kWinningScore ? Player::Human : Player::Computer;
        engine_->Abandon();
    }

  private:
    MatchResult& result_;
    MatchEngine* engine_ = nullptr;
};

}  // namespace

uint64_t MatchSeed(uint64_t runSeed, uint64_t index) { return SplitMix(SplitMix(runSeed) + index); }

MatchResult PlayMatch(uint64_t matchSeed, HumanPolicy policy, int coachTurns) {
    MatchResult result;
    MatchState state;
    state.CardSpeed = 10;
    SimulationTable table(result);
    HandCountingRandom random(matchSeed);
    MatchEngine engine(state, table, random);
    table.Attach(engine);
    SimulatedHuman human(policy, SplitMix(matchSeed ^ 0x68756D616Eull));
    if (policy == HumanPolicy::Oracle || policy == HumanPolicy::Peek) human.SeeDeckOrder(random);
    human.SetCoachTurns(coachTurns);

    engine.ClearTable();
    engine.NewMatch();
    for (int turns = 0; turns < kMostHumanTurns; ++turns) {
        engine.RunComputerTurns();
        if (engine.Closed()) break;
        if (state.Turn != Player::Human || engine.Busy() || !state.CurrentCardOnPlaySpot()) break;
        human.PlayTurn(engine, state);
    }
    result.hands = random.hands;
    result.scopas = engine.ScopasScored();
    return result;
}

}  // namespace vorbia
