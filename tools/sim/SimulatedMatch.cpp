#include "SimulatedMatch.h"

#include <string>
#include <string_view>

#include "HeadlessTable.h"
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

// Counts the scopas from their messages, each shown during the turn of the player who scored
// it, and ends the run at the end-of-match dialog instead of starting another match.
class SimulationTable : public HeadlessTable {
  public:
    SimulationTable(const MatchState& state, MatchResult& result)
        : state_(state), result_(result) {}
    void Attach(MatchEngine& engine) { engine_ = &engine; }

    void ShowMessage(const std::string& text) override {
        constexpr std::string_view scopa = "E' stata fatta una scopa da ";
        if (!text.starts_with(scopa)) return;
        auto& byKind = result_.scopas[state_.Turn];
        if (text.ends_with("non ci sono altre carte in tavolo.")) {
            ++byKind[static_cast<size_t>(ScopaKind::EmptyTable)];
        } else if (text.ends_with("presa l'ultima carta giocata.")) {
            ++byKind[static_cast<size_t>(ScopaKind::LastCard)];
        } else if (text.ends_with("tutte le carte prese sono dello stesso seme.")) {
            ++byKind[static_cast<size_t>(ScopaKind::SameSuit)];
        }
    }

    void ShowEndOfMatch(const MatchState& state) override {
        result_.finished = true;
        result_.finalScore = state.Score;
        result_.winner = state.Score[Player::Human] >= 51 ? Player::Human : Player::Computer;
        engine_->Abandon();
    }

  private:
    const MatchState& state_;
    MatchResult& result_;
    MatchEngine* engine_ = nullptr;
};

}  // namespace

uint64_t MatchSeed(uint64_t runSeed, uint64_t index) { return SplitMix(SplitMix(runSeed) + index); }

MatchResult PlayMatch(uint64_t matchSeed, HumanPolicy policy) {
    MatchResult result;
    MatchState state;
    state.CardSpeed = 10;
    state.ShowMessages = true;  // the scopas are counted from their messages
    SimulationTable table(state, result);
    HandCountingRandom random(matchSeed);
    MatchEngine engine(state, table, random);
    table.Attach(engine);
    SimulatedHuman human(policy, SplitMix(matchSeed ^ 0x68756D616Eull));

    engine.ClearTable();
    engine.NewMatch();
    for (int turns = 0; turns < kMostHumanTurns; ++turns) {
        engine.RunComputerTurns();
        if (engine.Abandoning()) break;
        if (state.Turn != Player::Human || engine.Busy() || !engine.CurrentCardOnPlaySpot()) break;
        human.PlayTurn(engine, state);
    }
    result.hands = random.hands;
    return result;
}

}  // namespace vorbia
