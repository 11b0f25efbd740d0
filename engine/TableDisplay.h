#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Card.h"
#include "MatchState.h"
#include "Players.h"
#include "TableGrid.h"

namespace vorbia {

class MatchEngine;

// Handed to the display with every step that takes it time to show. Calling it tells the rules
// that the step has been shown, and they go on; a display that shows the step at once calls it
// before it returns. A call for a step that was cut short, or made twice, is ignored.
class StepDone {
  public:
    void operator()() const;

  private:
    friend class MatchEngine;
    StepDone(MatchEngine& engine, uint32_t step) : engine_(&engine), step_(step) {}
    MatchEngine* engine_;
    uint32_t step_;
};

// What happens in the game, as the table shows it. The rules tell it through these calls and
// never read anything back; the window turns them into pictures, the console into lines of
// text, a simulation into nothing.
class TableDisplay {
  public:
    virtual ~TableDisplay() = default;

    // False for a table that nobody sees: the rules then leave out what only changes the look
    // (the steps, clickable cards, captions, colours, scores, selection frames, the pointer,
    // the computer's timer, the messages). Asked once, when the rules are given the table.
    virtual bool ShowsAnything() const { return true; }

    // Hands and matches.
    // A hand begins: the table takes its full size, the background picture goes, every card is
    // gathered and the two players' piles are laid.
    virtual void HandStarts(StepDone shown) = 0;
    virtual void CardsCut(const PerPlayer<Card>& cut) = 0;
    // The cut cards leave, and the scores come into view.
    virtual void CutOver(const PerPlayer<Card>& cut) = 0;
    // Every card out of sight.
    virtual void CardsGathered() = 0;
    // A player has reached the winning score; shown until the player has read it.
    virtual void MatchOver(const MatchState& state, StepDone shown) = 0;

    // Turns.
    virtual void PilePressed(Player owner, StepDone shown) = 0;
    // From the player's pile to the player's play spot, or straight onto the slot of an empty
    // table.
    virtual void CardUncovered(Player player, Card card, std::optional<Slot> slot,
                               StepDone shown) = 0;
    // From where the card stands onto its slot.
    virtual void CardLaid(Card card, Slot slot, StepDone shown) = 0;
    // From where the card stands off the table, into the taker's pile.
    virtual void CardTaken(Card card, Player taker, StepDone shown) = 0;
    virtual void LastCardShown(Card card) = 0;
    virtual void TurnPassed(Player now) = 0;
    virtual void CardClickable(Card card, bool clickable) = 0;
    virtual void SelectionChanged(Card card, bool selected) = 0;

    // Scores: both back at 0, `first` named first; or one player's changed.
    virtual void ScoresReset(Player first) = 0;
    virtual void ScoreChanged(Player scorer, const PerPlayer<int>& scores) = 0;

    // The computer moves on a timer, which is off while it moves and between hands.
    virtual void ComputerTimerSwitched(bool on) = 0;
    virtual void ComputerThinking(bool thinking) = 0;

    // A message box, shown until the player has closed it.
    virtual void Message(const std::string& text, StepDone shown) = 0;
    virtual void Beep() = 0;

    // The step being shown will not be waited for any more: a new match or the end of the
    // program cut it short. What it moved stays where it stands.
    virtual void StepCutShort() = 0;
};

// A table nobody sees: every step is over at once.
class UnseenTable : public TableDisplay {
  public:
    bool ShowsAnything() const override { return false; }
    void HandStarts(StepDone shown) override { shown(); }
    void CardsCut(const PerPlayer<Card>&) override {}
    void CutOver(const PerPlayer<Card>&) override {}
    void CardsGathered() override {}
    void MatchOver(const MatchState&, StepDone shown) override { shown(); }
    void PilePressed(Player, StepDone shown) override { shown(); }
    void CardUncovered(Player, Card, std::optional<Slot>, StepDone shown) override { shown(); }
    void CardLaid(Card, Slot, StepDone shown) override { shown(); }
    void CardTaken(Card, Player, StepDone shown) override { shown(); }
    void LastCardShown(Card) override {}
    void TurnPassed(Player) override {}
    void CardClickable(Card, bool) override {}
    void SelectionChanged(Card, bool) override {}
    void ScoresReset(Player) override {}
    void ScoreChanged(Player, const PerPlayer<int>&) override {}
    void ComputerTimerSwitched(bool) override {}
    void ComputerThinking(bool) override {}
    void Message(const std::string&, StepDone shown) override { shown(); }
    void Beep() override {}
    void StepCutShort() override {}
};

}  // namespace vorbia
