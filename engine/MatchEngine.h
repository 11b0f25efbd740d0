#pragma once

#include <array>
#include <vector>

#include "Card.h"
#include "ComputerSearch.h"
#include "MatchState.h"
#include "RandomSource.h"
#include "TableWindow.h"

namespace vorbia {

// The three kinds of scopa, in the order the rules try them: only the first that applies scores.
enum class ScopaKind { EmptyTable, LastCard, SameSuit };
constexpr int kScopaKinds = 3;

// The rules of the game as operations on one MatchState. Every visible effect is a request to
// the TableWindow. Public operations are the game's entry points (commands, clicks, the
// computer's timer); they may be re-entered from inside a glide or a message box, which is why
// each one runs through Run() below.
class MatchEngine {
  public:
    MatchEngine(MatchState& state, TableWindow& window, RandomSource& random);

    // Window start-up: arms the computer's timer and puts every card out of sight.
    void ClearTable();

    // "Nuova partita". Asked for while another operation is under way, it cuts that operation
    // short and starts the new match as soon as the interrupted one has unwound.
    void NewMatch();

    // The click on card picture 0..42: plays the current card or selects a table card.
    void CardClicked(int picture);
    void ToggleTableCard(int card);
    void PlayCurrentCard(int card);

    // The computer's timer tick, and the move itself.
    void ComputerTimerTick();
    void ComputerMove();

    // True while an operation is running (a glide, a message box or a dialog is open).
    bool Busy() const { return depth_ > 0; }
    // The computer's card has arrived on its play spot and its timer is armed.
    bool ComputerMoveIsDue() const;
    // Without a window: runs the computer's moves as its timer would, until the human must
    // decide.
    void RunComputerTurns();

    // Ends whatever is under way and starts nothing: the program is closing.
    void Abandon();
    bool Abandoning() const { return abandoning_; }
    // A glide should stop where it stands: what it belongs to is being cut short.
    bool Interrupted() const { return newMatchPending_ || abandoning_; }

    int LastTakenSuit() const { return lastTakenSuit_; }
    // The scopas each player has scored since this engine was built, by kind: counted here so
    // that a run without a window need not show, or read, their messages.
    const PerPlayer<std::array<int, kScopaKinds>>& ScopasScored() const { return scopasScored_; }
    bool CurrentCardOnPlaySpot() const;
    PictureBox SlotPosition(Slot slot) const;

  private:
    struct Abandoned {};
    template <class Operation>
    void Run(Operation&& operation);
    void ThrowIfAbandoned() const;
    void StartPendingNewMatch();

    // Lifecycle of hands and matches.
    void StartNewMatch();
    void NewHand();
    void PlayTurn(int pile);
    enum class DrawOutcome { CardDrawn, HandOrMatchEnded };
    DrawOutcome DrawCard();
    void PassTurn();
    int RandomCard();
    void ShowTurnColours();
    void ResetScoreDisplays(Element first, Element second);

    // Table slots and the selection.
    void ToggleSelection(int card);
    void ClearSelection();
    // `start` plus the values of the selected table cards in scan order, up to the first sum
    // above `limit`: the error messages quote the sum at that point.
    int SelectionSum(int start, int limit) const;
    bool PlaceOnTable(int card, int& left, int& top);
    void RecountTable();
    void SendClickable();
    bool IsOnTable(int card) const;

    // Captures and scoring.
    void SelectTableCard(int card);
    void PlayCard(int card);
    void CaptureSelection(int card, bool cardOnTable);
    void ShowScore();
    void HandOn();

    // Requests that let the window run other events before they return.
    void Glide(int picture, int startLeft, int startTop, int endLeft, int endTop);
    void Tell(const std::string& text);
    void SetComputerTimer(bool on);

    MatchState& state_;
    TableWindow& window_;
    RandomSource& random_;
    // Asked once: the answer is the table's for its whole life, and the rules ask at every play.
    const bool windowShowsAnything_;
    int lastTakenSuit_ = 0;
    PerPlayer<std::array<int, kScopaKinds>> scopasScored_{};
    int depth_ = 0;
    bool newMatchPending_ = false;
    bool abandoning_ = false;
    bool computerTimerOn_ = true;  // the window starts with its timer running
};

// Glides and modal boxes hand control back to the window, so any entry point can be re-entered
// while another is half-way. Only "Nuova partita" and closing the program need to interrupt:
// the interrupted operations unwind through Abandoned, thrown only between our own frames
// (never across the window's event handling), and the new match starts from the outermost one.
template <class Operation>
inline void MatchEngine::Run(Operation&& operation) {
    ++depth_;
    try {
        operation();
    } catch (const Abandoned&) {
    }
    --depth_;
    if (depth_ == 0 && newMatchPending_) StartPendingNewMatch();
}

}  // namespace vorbia
