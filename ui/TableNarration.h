#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Card.h"
#include "MatchState.h"

namespace vorbia {

class Announcer;

// What a player who cannot see the table hears of the game while the focus stays where it is:
// each play with the cards it takes, the scores when they change and whose turn it is, said as
// one line when the turn passes, or before a box or the match's end takes the player's
// attention.
class TableNarration {
  public:
    TableNarration(const MatchState& state, Announcer& announcer);

    void CardPlayed(Player player, Card card);
    void CardTaken(Card card);
    void ScoresChanged();
    // Says the turn's line; returns its play and scores, without the turn.
    QString TurnPassed(Player now);
    // Says what has been gathered so far.
    void SayNow();

    // The player whose play a box that opens now is about (a scopa, a wrong sum).
    std::optional<Player> Mover() const;

    // The line for what has been gathered; empty when there is nothing to say.
    QString Line() const;
    QString PlayAndScores() const;

  private:
    QString Name(Player player) const;
    bool ScoresToSay() const;

    const MatchState& state_;
    Announcer& announcer_;
    std::optional<Player> mover_;
    std::optional<Card> played_;
    std::vector<Card> taken_;
    bool scoresChanged_ = false;
    // The scores as last said: a capture worth no points leaves them unsaid.
    PerPlayer<int> scoresSaid_{};
    std::optional<Player> turn_;
};

}  // namespace vorbia
