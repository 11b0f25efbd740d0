#include "MatchEngine.h"

namespace vorbia {

void StepDone::operator()() const { engine_->StepShown(step_); }

MatchEngine::MatchEngine(MatchState& state, TableDisplay& display, RandomSource& random)
    : state_(state), display_(display), random_(random), showsAnything_(display.ShowsAnything()) {}

// After an operation has run up to a step it waits for, or to its end.
void MatchEngine::Settle() {
    switch (runState_) {
        case RunState::Running:
            // It ended.
            operation_ = {};
            runState_ = RunState::Ready;
            EndComputerMove();
            break;
        case RunState::Showing:
            break;
        case RunState::Restarting:
            CutShort();
            Begin([this] { return StartNewMatch(); });
            break;
        case RunState::Closed:
            waiting_ = {};
            operation_ = {};
            EndComputerMove();
            break;
        case RunState::Ready:
            break;
    }
}

// Ends the operation where it waits; what it set aside for its end (the computer's pointer
// and timer) is put back as it unwinds.
void MatchEngine::CutShort() {
    if (waiting_) display_.StepCutShort();
    waiting_ = {};
    runState_ = RunState::Ready;
    operation_ = {};
    EndComputerMove();
}

void MatchEngine::StepShown(uint32_t step) {
    if (step != step_ || !waiting_) return;
    if (showingStep_) {
        stepShownAtOnce_ = true;
        return;
    }
    if (runState_ != RunState::Showing) return;
    runState_ = RunState::Running;
    std::exchange(waiting_, {}).resume();
    Settle();
}

void MatchEngine::Abandon() {
    const RunState was = runState_;
    runState_ = RunState::Closed;
    // A running operation stops at its next step, and is dropped when it hands back.
    if (was == RunState::Showing) {
        display_.StepCutShort();
        waiting_ = {};
        operation_ = {};
        EndComputerMove();
    }
}

void MatchEngine::NewMatch() {
    switch (runState_) {
        case RunState::Closed:
        case RunState::Restarting:
            return;
        case RunState::Running:
            runState_ = RunState::Restarting;
            return;
        case RunState::Showing:
            CutShort();
            break;
        case RunState::Ready:
            break;
    }
    Begin([this] { return StartNewMatch(); });
}

void MatchEngine::ClearTable() {
    SetComputerTimer(true);
    display_.CardsGathered();
}

void MatchEngine::CardClicked(Card card) {
    // A play under way finishes before the next click counts (a second click on a gliding
    // card must not play it twice).
    if (runState_ != RunState::Ready) return;
    if (state_.Turn != Player::Human) return;
    if (state_.CurrentCard == card && state_.CurrentPlace != CurrentCardPlace::Played) {
        PlayCurrentCard(card);
    } else {
        ToggleTableCard(card);
    }
}

void MatchEngine::ToggleTableCard(Card card) {
    if (runState_ != RunState::Ready) return;
    if (const std::optional<int> tooHigh = SelectOrFindTooHigh(card)) {
        Begin([this, sum = *tooHigh] { return RefuseSelection(sum); });
    }
}

void MatchEngine::PlayCurrentCard(Card card) {
    if (runState_ != RunState::Ready) return;
    Begin([this, card] { return Play(card); });
}

bool MatchEngine::ComputerMoveIsDue() const {
    return computerTimerOn_ && state_.Turn == Player::Computer && state_.CurrentCardOnPlaySpot();
}

void MatchEngine::ComputerTimerTick() {
    if (runState_ != RunState::Ready || !ComputerMoveIsDue()) return;
    SetComputerTimer(false);
    ComputerMove();
}

void MatchEngine::RunComputerTurns() {
    while (runState_ == RunState::Ready && ComputerMoveIsDue()) {
        SetComputerTimer(false);
        ComputerMove();
    }
}

void MatchEngine::SetComputerTimer(bool on) {
    computerTimerOn_ = on;
    if (showsAnything_) display_.ComputerTimerSwitched(on);
}

}  // namespace vorbia
