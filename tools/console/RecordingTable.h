#pragma once

#include <array>
#include <functional>
#include <string>

#include "TableDisplay.h"
#include "TableLayout.h"

namespace vorbia {

// The console's numbers for the cards: 1 to 40 in the deck's order, 0 for none.
int ProtocolNumber(Card card);
int ProtocolNumber(const std::optional<Card>& card);

// A table that writes what the rules show as lines of text, in the order shown, for a drawing
// area of the size the table was designed around. It places the pictures as the window would,
// so its lines name pixel positions; every step is over at once.
class RecordingTable : public TableDisplay {
  public:
    using Sink = std::function<void(const std::string&)>;
    explicit RecordingTable(Sink sink);

    // Where a card stands without a line being written: a table that a script sets up.
    void PutCardQuietly(Card card, Position position);
    Position PlaySpot(Player player) const;
    Position SlotPosition(Slot slot) const;

    void HandStarts(StepDone shown) override;
    void CardsCut(const PerPlayer<Card>& cut) override;
    void CutOver(const PerPlayer<Card>& cut) override;
    void CardsGathered() override;
    void MatchOver(const MatchState& state, StepDone shown) override;
    void PilePressed(Player owner, StepDone shown) override;
    void CardUncovered(Player player, Card card, std::optional<Slot> slot, StepDone shown) override;
    void CardLaid(Card card, Slot slot, StepDone shown) override;
    void CardTaken(Card card, Player taker, StepDone shown) override;
    void LastCardShown(Card card) override;
    void TurnPassed(Player now) override;
    void CardClickable(Card card, bool clickable) override;
    void SelectionChanged(Card card, bool selected) override;
    void ScoresReset(Player first) override;
    void ScoreChanged(Player scorer, const PerPlayer<int>& scores) override;
    void ComputerTimerSwitched(bool on) override;
    void ComputerThinking(bool thinking) override;
    void Message(const std::string& text, StepDone shown) override;
    void Beep() override;
    void StepCutShort() override {}

  private:
    // The pictures as the console numbers them: 0 the card back, 1 to 40 the cards, then the
    // computer's pile and the human's.
    static constexpr int kPictures = kCardCount + 3;
    static int PileNumber(Player owner);
    void Place(int picture, Position position);
    void Glide(int picture, Position end);
    void HideAll();

    Sink say_;
    TableLayout layout_;
    std::array<Position, kPictures> pictures_{};
};

}  // namespace vorbia
