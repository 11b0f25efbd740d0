// Hands and matches: from "Nuova partita" through the cut, the draws and the turns to the
// next hand or the winner.

#include "MatchEngine.h"

namespace vorbia {

namespace {

std::string HandStartMessage(const MatchState& state) {
    const std::string cr = "\r";
    std::string summary;
    std::string handWord = "partita";
    if (state.Score[Player::Human] != 0 || state.Score[Player::Computer] != 0) {
        handWord = "mano";
        summary = "Sono finite le carte, alla fine di questa mano il punteggio è: " + cr;
        for (const Player player : {Player::Human, Player::Computer}) {
            summary += state.PlayerName[player] + "  " + std::to_string(state.Score[player]) + cr;
        }
    }
    const std::string& first = state.PlayerName[*state.Turn];
    return summary + "Dopo aver rimescolato il mazzo si inizia una nuova " + handWord + "." + cr +
           first + " ha alzato una carta più bassa quindi calerà per prim" + NameEnding(first) +
           ".";
}

}  // namespace

Card MatchEngine::RandomCard() {
    return CardAtDeckPosition(DeckPositionFromUniform(random_.NextUniform()));
}

void MatchEngine::ResetScores(Player first) {
    if (showsAnything_) display_.ScoresReset(first);
}

void MatchEngine::ClearMatchScores() {
    state_.Score = {};
    ResetScores(Player::Computer);
}

Flow MatchEngine::StartNewMatch() {
    ClearMatchScores();
    co_await NewHand();
    co_await PlayTurns();
}

Flow MatchEngine::NewHand() {
    if (showsAnything_) co_await Shown([this](StepDone shown) { display_.HandStarts(shown); });
    if (state_.TurnCount == 0) state_.Score = {};
    state_.CurrentCard.reset();
    state_.LastCard.reset();
    state_.TurnCount = 1;
    state_.Table.ClearAll();
    state_.Drawn.Clear();
    // No card is on the table any more, so no card may stay selected either.
    state_.Selected.Clear();

    random_.ReseedForNewHand();
    PerPlayer<Card> cut;
    cut[Player::Human] = RandomCard();
    cut[Player::Computer] = RandomCard();
    while (cut[Player::Computer].value == cut[Player::Human].value) {
        cut[Player::Computer] = RandomCard();
    }
    if (showsAnything_) display_.CardsCut(cut);

    // The lower cut plays first.
    state_.Turn =
        cut[Player::Human].value > cut[Player::Computer].value ? Player::Computer : Player::Human;
    if (showsAnything_) {
        co_await Tell(HandStartMessage(state_));
        display_.CutOver(cut);
    }
}

bool MatchEngine::SomeoneHasWon() const {
    return state_.Score[Player::Human] >= kWinningScore ||
           state_.Score[Player::Computer] >= kWinningScore;
}

// Turns follow one another until a player must decide, across the ends of hands and matches.
Flow MatchEngine::PlayTurns() {
    for (;;) {
        const Player player = *state_.Turn;
        if (showsAnything_) {
            co_await Shown([this, player](StepDone shown) { display_.PilePressed(player, shown); });
        }

        // A score of 51 is noticed at the start of the next turn, never in the middle of one.
        if (SomeoneHasWon()) {
            co_await Shown([this](StepDone shown) { display_.MatchOver(state_, shown); });
            ClearSelection();
            ResetScores(Player::Human);
            SetComputerTimer(false);
            ClearTable();
            state_.TurnCount = 0;
            ClearMatchScores();
            co_await NewHand();
            continue;
        }
        if (state_.AllCardsDrawn()) {
            SetComputerTimer(false);
            ClearSelection();
            state_.Turn = Player::Human;
            ClearTable();
            state_.TurnCount = 1;
            co_await NewHand();
            continue;
        }

        DrawCard();
        ClearSelection();
        if (showsAnything_) SendClickable();
        const Card card = *state_.CurrentCard;

        // On an empty table the card just lies there and the turn passes by itself; otherwise
        // the player now decides.
        if (state_.Table.Empty()) {
            const Slot slot = *PlaceOnTable(card);
            state_.CurrentPlace = CurrentCardPlace::Played;
            if (showsAnything_) {
                co_await Shown([this, player, card, slot](StepDone shown) {
                    display_.CardUncovered(player, card, slot, shown);
                });
            }
            PassTurn();
            continue;
        }
        if (showsAnything_) {
            co_await Shown([this, player, card](StepDone shown) {
                display_.CardUncovered(player, card, std::nullopt, shown);
            });
        }
        state_.CurrentPlace = CurrentCardPlace::OnPlaySpot;
        co_return;
    }
}

void MatchEngine::DrawCard() {
    state_.LastCard = state_.CurrentCard;
    if (state_.LastCard && showsAnything_) display_.LastCardShown(*state_.LastCard);

    const Card card = random_.NextCardNotDrawn(state_.Drawn);
    state_.CurrentCard = card;
    state_.CurrentPlace = CurrentCardPlace::OnItsWay;
    state_.Drawn.Add(card);
}

void MatchEngine::PassTurn() {
    state_.Turn = state_.Turn == Player::Computer ? Player::Human : Player::Computer;
    if (showsAnything_) display_.TurnPassed(*state_.Turn);
    state_.TurnCount += 1;
    if (showsAnything_) SendClickable();
}

}  // namespace vorbia
