#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Card.h"
#include "Players.h"

namespace vorbia::reference {

// One play worked out straight from the rules, with nothing of the engine but its names for
// cards and players: the table cards clicked one by one, then the card in hand played. The
// yardstick the engine's plays are compared with.

// [row][column] from 0, row 0 on the human's side; empty for an empty slot.
using Table = std::array<std::array<std::optional<Card>, 7>, 3>;

struct Position {
    Table table{};
    Player player = Player::Human;
    Card card{};                   // the card in hand
    std::optional<Card> lastCard;  // the card uncovered in the turn before, if any in this hand
    bool messages = false;         // the explanatory messages switch
    PerPlayer<int> score{};
};

struct ClickResult {
    std::vector<std::string> messages;
    std::vector<Card> selected;  // afterwards, in scan order
    bool operator==(const ClickResult&) const = default;
};

enum class Scopa { None, EmptyTable, LastCard, SameSuit };

struct PlayResult {
    std::vector<std::string> messages;
    bool beep = false;
    // The cards that left the table for a pile, in the order they left, with the pile's owner.
    std::vector<std::pair<Card, Player>> taken;
    Table tableAfter{};
    PerPlayer<int> scoreAfter{};
    Scopa scopa = Scopa::None;
    std::optional<Player> scoreShownFor;  // whose score the table shows anew, with both scores
    PerPlayer<int> scoreShown{};
    bool operator==(const PlayResult&) const = default;
};

std::string Describe(const PlayResult& result);

class ReferencePlay {
  public:
    explicit ReferencePlay(const Position& position) : p_(position) {}

    ClickResult Click(Card card);  // a click on a table card
    PlayResult Play();             // the click on the card in hand

  private:
    std::vector<Card> SelectedInScanOrder() const;
    bool IsSelected(Card card) const;

    Position p_;
    std::vector<Card> selected_;
};

}  // namespace vorbia::reference
