#pragma once

#include <array>
#include <coroutine>
#include <cstdint>
#include <optional>
#include <string>

#include "Card.h"
#include "ComputerSearch.h"
#include "Flow.h"
#include "MatchState.h"
#include "RandomSource.h"
#include "TableDisplay.h"

namespace vorbia {

// The three kinds of scopa, in the order the rules try them: only the first that applies scores.
enum class ScopaKind { EmptyTable, LastCard, SameSuit };
constexpr int kScopaKinds = 3;

// The rules of the game as operations on one MatchState. Every visible effect is a call to the
// TableDisplay; where the display takes time to show a step (a glide, a message box), the rules
// wait for it without blocking anyone: the operation is a Flow that goes on when the display
// says the step has been shown. Meanwhile the public entry points (commands, clicks, the
// computer's timer) find the engine busy, except "Nuova partita" and closing the program,
// which cut the waiting operation short.
class MatchEngine {
  public:
    MatchEngine(MatchState& state, TableDisplay& display, RandomSource& random);
    MatchEngine(const MatchEngine&) = delete;
    MatchEngine& operator=(const MatchEngine&) = delete;

    // Window start-up: arms the computer's timer and puts every card out of sight.
    void ClearTable();

    // "Nuova partita", whatever is under way.
    void NewMatch();

    // The human's click on a card: plays the uncovered card, or selects a table card.
    void CardClicked(Card card);
    void ToggleTableCard(Card card);
    void PlayCurrentCard(Card card);

    // The computer's timer tick, and the move itself.
    void ComputerTimerTick();
    void ComputerMove();
    // The computer's card waits on its play spot and its timer is armed.
    bool ComputerMoveIsDue() const;
    // Without a window: runs the computer's moves as its timer would, until the human must
    // decide.
    void RunComputerTurns();

    // Ends whatever is under way and starts nothing any more: the program is closing.
    void Abandon();
    bool Closed() const { return runState_ == RunState::Closed; }
    // An operation waits for the display, or runs.
    bool Busy() const { return runState_ != RunState::Ready && runState_ != RunState::Closed; }

    // The scopas each player has scored since this engine was built, by kind: counted here so
    // that a run without a window need not show, or read, their messages.
    const PerPlayer<std::array<int, kScopaKinds>>& ScopasScored() const { return scopasScored_; }

  private:
    friend class StepDone;

    enum class RunState {
        Ready,       // nothing under way
        Running,     // an operation runs
        Showing,     // an operation waits for the display to show a step
        Restarting,  // a new match was asked for while an operation ran: it ends at its next step
        Closed,      // the program is closing
    };

    // Running operations: `start` calls the operation's flow, which runs at once.
    template <class Start>
    void Begin(Start start) {
        runState_ = RunState::Running;
        operation_ = start();
        Settle();
    }
    void Settle();
    void CutShort();
    void StepShown(uint32_t step);

    // Waiting for the display: `show` is called with the StepDone the display calls back.
    template <class Show>
    struct DisplayStep {
        MatchEngine& engine;
        Show show;
        bool await_ready() const noexcept { return false; }
        bool await_suspend(std::coroutine_handle<> operation) {
            return engine.ShowStep(operation, show);
        }
        void await_resume() const noexcept {}
    };
    template <class Show>
    DisplayStep<Show> Shown(Show show) {
        return {*this, std::move(show)};
    }
    template <class Show>
    bool ShowStep(std::coroutine_handle<> operation, Show& show);
    struct MessageShown {
        TableDisplay* display;
        std::string text;
        void operator()(StepDone shown) const { display->Message(text, shown); }
    };
    DisplayStep<MessageShown> Tell(std::string text) {
        return Shown(MessageShown{&display_, std::move(text)});
    }

    // Hands and matches.
    Flow StartNewMatch();
    void ResetScores(Player first);
    void ClearMatchScores();
    Flow NewHand();
    Flow PlayTurns();
    bool SomeoneHasWon() const;
    void DrawCard();
    void PassTurn();
    Card RandomCard();

    // Table slots and the selection.
    // Selects or deselects the card; when it would take the selection's sum past its limit,
    // nothing changes and the sum is given back, for the refusal.
    std::optional<int> SelectOrFindTooHigh(Card card);
    Flow RefuseSelection(int sum);
    // Inline, as a capture toggles every card it takes and every turn clears the selection.
    void ToggleSelection(Card card) {
        if (showsAnything_) display_.SelectionChanged(card, !state_.Selected.Contains(card));
        state_.Selected.Flip(card);
    }
    void ClearSelection() {
        // Most turns start with nothing selected.
        if (!state_.Selected.Empty()) DeselectAll();
    }
    void DeselectAll();
    // `start` plus the values of the selected table cards in scan order, up to the first sum
    // above `limit`: the error messages quote the sum at that point.
    int SelectionSum(int start, int limit) const;
    // Lays the card of the player to move.
    std::optional<Slot> PlaceOnTable(Card card) {
        if (state_.Table.Full()) return std::nullopt;
        return state_.Table.Lay(card, state_.Turn.value_or(Player::Human));
    }
    void SendClickable();

    // Captures and scoring.
    struct CaptureTally;
    Flow Play(Card card);
    std::optional<ScopaKind> ScopaOf(const CaptureTally& tally) const;
    void ShowScore();

    // The computer.
    Flow ComputerPlaysAfterRefusal(ComputerChoice choice, int next, int tooHigh);
    void EndComputerMove();
    void SetComputerTimer(bool on);

    MatchState& state_;
    TableDisplay& display_;
    RandomSource& random_;
    // Asked once: the answer is the display's for its whole life, and the rules ask at every play.
    const bool showsAnything_;
    PerPlayer<std::array<int, kScopaKinds>> scopasScored_{};
    bool computerTimerOn_ = true;  // the window starts with its timer running
    // The computer's move lasts until the play it started has run to the next decision, or
    // has been cut short.
    bool computerMoving_ = false;

    RunState runState_ = RunState::Ready;
    Flow operation_;
    std::coroutine_handle<> waiting_;  // the flow that waits for a step
    uint32_t step_ = 0;                // the step it waits for
    bool showingStep_ = false;         // inside the display's call for that step
    bool stepShownAtOnce_ = false;
};

template <class Show>
bool MatchEngine::ShowStep(std::coroutine_handle<> operation, Show& show) {
    waiting_ = operation;
    stepShownAtOnce_ = false;
    showingStep_ = true;
    show(StepDone(*this, ++step_));
    showingStep_ = false;
    if (runState_ == RunState::Running && stepShownAtOnce_) {
        waiting_ = {};
        return false;
    }
    // Shown later, or cut short during the call: the operation waits, and whoever runs it
    // settles what comes next.
    if (runState_ == RunState::Running) runState_ = RunState::Showing;
    return true;
}

}  // namespace vorbia
