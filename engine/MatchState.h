#pragma once

#include <bitset>
#include <optional>
#include <string>

#include "Card.h"
#include "CardSet.h"
#include "Players.h"
#include "TableGrid.h"

namespace vorbia {

constexpr int kWinningScore = 51;
constexpr int kCardsPerPile = kCardCount / kPlayers;

// Where the card uncovered this turn is: gliding from its player's pile, waiting on its
// player's play spot for a decision, or played (laid on the table, or taken straight into its
// player's pile when the table is full).
enum class CurrentCardPlace : uint8_t { OnItsWay, OnPlaySpot, Played };

// Where a card is, as the game sees it: still in the deck, uncovered by the player to move,
// on the table, or taken (gone to a player's pile, or left out of the hand).
enum class CardPlace : uint8_t { InDeck, Uncovered, OnTable, Taken };

// All state of a match that both the rules and the window read.
struct MatchState {
    PerPlayer<std::string> PlayerName{{"", std::string(kComputerName)}};  // UTF-8
    PerPlayer<int> Score{};
    std::optional<Player> Turn;  // nobody until the first hand has been dealt
    int TurnCount = 0;           // 1..41 within a hand; 0: the next hand starts a new match
    CardSet Drawn;               // the cards uncovered in this hand; the others are the deck
    std::optional<Card> CurrentCard;
    CurrentCardPlace CurrentPlace = CurrentCardPlace::OnItsWay;
    std::optional<Card> LastCard;  // the card uncovered in the turn before the current one
    TableGrid Table;
    CardSet Selected;
    int CardSpeed = 0;
    bool ShowMessages = false;

    int CardsDrawn() const { return Drawn.Count(); }
    // Asked every turn: a comparison, where counting would take a library call on processors
    // the build cannot assume to count bits.
    bool AllCardsDrawn() const { return Drawn.Full(); }
    bool CurrentCardOnPlaySpot() const {
        return CurrentCard.has_value() && CurrentPlace == CurrentCardPlace::OnPlaySpot;
    }
    CardPlace PlaceOf(Card card) const {
        if (CurrentCard == card && CurrentPlace != CurrentCardPlace::Played) {
            return CardPlace::Uncovered;
        }
        if (Table.Contains(card)) return CardPlace::OnTable;
        return Drawn.Contains(card) ? CardPlace::Taken : CardPlace::InDeck;
    }
    // Cards left in each player's pile: one leaves it every two turns.
    int PileCount() const { return kCardsPerPile - TurnCount / 2; }
};

}  // namespace vorbia
