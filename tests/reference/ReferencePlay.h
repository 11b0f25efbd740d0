#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace vorbia::reference {

// One play worked out straight from the rules, with nothing of the engine but the numbering of
// the cards: the table cards clicked one by one, then the card in hand played. The yardstick
// the engine's plays are compared with.

using Table = std::array<std::array<int, 8>, 4>;  // [row 1..3][column 1..7]; 0 an empty slot

struct Position {
    Table table{};
    int player = 1;         // 1 the human, 2 the computer
    int card = 0;           // the card in hand
    int lastCard = 0;       // the card uncovered in the turn before; 0 none in this hand
    bool messages = false;  // the explanatory messages switch
    std::array<int, 3> score{};
    std::array<int, 3> pileTop{};  // where each player's pile stands, for the cards it takes
    int barWidth = 67;
};

struct ClickResult {
    std::vector<std::string> messages;
    std::vector<int> selected;  // afterwards, in scan order
    bool operator==(const ClickResult&) const = default;
};

struct PlayResult {
    std::vector<std::string> messages;
    bool beep = false;
    // Every card that went off the table's left edge, with the top it went to, by card number.
    std::vector<std::pair<int, int>> leftTheTable;
    Table tableAfter{};
    std::array<int, 3> scoreAfter{};
    int captionOf = 0;  // the player whose score caption is rewritten; 0 none
    std::string caption;
    bool barsDrawn = false;
    std::array<int, 2> barRight{};  // the human's bar, the computer's
    bool operator==(const PlayResult&) const = default;
};

std::string Describe(const PlayResult& result);

class ReferencePlay {
  public:
    explicit ReferencePlay(const Position& position) : p_(position) {}

    ClickResult Click(int card);  // a click on a table card
    PlayResult Play();            // the click on the card in hand

  private:
    std::vector<int> SelectedInScanOrder() const;

    Position p_;
    std::array<bool, 41> selected_{};
};

}  // namespace vorbia::reference
