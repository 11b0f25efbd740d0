#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "MatchEngine.h"
#include "MatchState.h"
#include "RandomSource.h"
#include "RecordingTable.h"

namespace vorbia {

// The clock's generator until a "seed" command, a seeded one from then on.
class SwitchableRandom : public RandomSource {
  public:
    void UseSeed(uint64_t seed) { seeded_.emplace(seed); }
    void ReseedForNewHand() override { Active().ReseedForNewHand(); }
    double NextUniform() override { return Active().NextUniform(); }
    Card NextCardNotDrawn(const CardSet& drawn) override {
        return Active().NextCardNotDrawn(drawn);
    }

  private:
    RandomSource& Active() { return seeded_ ? static_cast<RandomSource&>(*seeded_) : clock_; }
    ClockRandom clock_;
    std::optional<SeededRandom> seeded_;
};

// One run of the text front end: reads commands, drives the engine, prints the requests.
class ConsoleSession {
  public:
    explicit ConsoleSession(std::ostream& out);
    // Returns false when the line could not be understood (an "error:" line was printed).
    bool Execute(const std::string& line);

  private:
    bool SetUp(const std::string& command, std::istringstream& arguments, const std::string& line);
    bool Act(const std::string& command, std::istringstream& arguments);
    bool Query(const std::string& command, std::istringstream& arguments, const std::string& line);
    void PrintState();
    bool Fail(const std::string& what);
    bool failed_ = false;

    std::ostream& out_;
    MatchState state_;
    SwitchableRandom random_;
    RecordingTable table_;
    MatchEngine engine_;
};

}  // namespace vorbia
