// Hands and matches: from "Nuova partita" through the cut, the draws and the turns to the
// next hand or the winner.

#include "MatchEngine.h"

namespace vorbia {

namespace {

constexpr int kPlaySpotLeft = 69;
constexpr int kWinningScore = 51;

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
    const std::string& first = state.PlayerName[state.Turn];
    return summary + "Dopo aver rimescolato il mazzo si inizia una nuova " + handWord + "." + cr +
           first + " ha alzato una carta più bassa quindi calerà per prim" + NameEnding(first) +
           ".";
}

}  // namespace

int MatchEngine::RandomCard() { return CardFromUniform(random_.NextUniform()); }

void MatchEngine::ResetScoreDisplays(Element first, Element second) {
    if (!windowShowsAnything_) return;
    window_.SetCaption(first, "Punti: 0");
    window_.SetCaption(second, "Punti: 0");
    window_.ClearScoreBar(0);
    window_.ClearScoreBar(1);
}

void MatchEngine::StartNewMatch() {
    state_.Score = {};
    ResetScoreDisplays(Element::ComputerScoreCaption, Element::HumanScoreCaption);
    NewHand();
}

void MatchEngine::NewHand() {
    window_.Maximise();
    window_.HideBackground();
    if (state_.TurnCount == 0) state_.Score = {};
    state_.CurrentCard = state_.CurrentValue = state_.CurrentSuit = 0;
    state_.LastValue = state_.LastSuit = 0;
    state_.CardsDrawn = 0;
    state_.TableCount = 0;
    state_.TurnCount = 1;
    for (auto& row : state_.TableGrid) row.fill(0);
    window_.HideAllCards();
    state_.Drawn.fill(false);
    // No card is on the table any more, so no card may stay selected either.
    state_.Selected.reset();

    const int cardHeight = window_.CardBox(kHumanPile).height;
    window_.PlacePicture(kComputerPile, 5, 67);
    window_.PlacePicture(kHumanPile, 5, window_.DrawingHeight() - 39 - cardHeight);

    random_.ReseedForNewHand();
    const int humanCut = RandomCard();
    int computerCut = RandomCard();
    while (CardValue(computerCut) == CardValue(humanCut)) computerCut = RandomCard();

    const PictureBox computerPile = window_.CardBox(kComputerPile);
    const PictureBox humanPile = window_.CardBox(kHumanPile);
    window_.PlacePicture(computerCut, computerPile.left + 15, computerPile.top);
    window_.PlacePicture(humanCut, humanPile.left + 15, humanPile.top);

    // The lower cut plays first.
    state_.Turn = CardValue(humanCut) > CardValue(computerCut) ? Player::Computer : Player::Human;
    if (windowShowsAnything_) {
        Tell(HandStartMessage(state_));
    } else {
        ThrowIfAbandoned();
    }

    window_.PlacePicture(computerCut, -70, window_.CardBox(computerCut).top);
    window_.PlacePicture(humanCut, -70, window_.CardBox(humanCut).top);

    const int labelHeight = window_.ElementBox(Element::HumanScoreCaption).height;
    const int barHeight = window_.ElementBox(Element::HumanScoreBar).height;
    const int humanLabelTop = humanPile.top - 10 - labelHeight;
    const int computerLabelTop = computerPile.top + computerPile.height + 10;
    window_.SetElementTop(Element::HumanScoreCaption, humanLabelTop);
    window_.SetElementTop(Element::HumanScoreBar, humanLabelTop - barHeight);
    window_.SetElementTop(Element::ComputerScoreCaption, computerLabelTop);
    window_.SetElementTop(
        Element::ComputerScoreBar,
        computerLabelTop + window_.ElementBox(Element::ComputerScoreCaption).height);
    window_.ShowElement(Element::HumanScoreCaption);
    window_.ShowElement(Element::ComputerScoreCaption);

    PlayTurn(PileOf(state_.Turn));
}

void MatchEngine::PlayTurn(int pile) {
    if (windowShowsAnything_) window_.PressPile(pile);
    if (DrawCard() == DrawOutcome::HandOrMatchEnded) return;
    ClearSelection();

    const int startLeft = window_.CardBox(pile).left;
    const int startTop = window_.CardBox(PileOf(state_.Turn)).top;
    // The count is still that of the turn's change or of the new hand: only the clickable
    // cards change, with the new card in play.
    if (windowShowsAnything_) SendClickable();
    int endLeft = startLeft + window_.CardBox(state_.CurrentCard).width + 6;
    int endTop = startTop;
    if (state_.TableCount == 0) PlaceOnTable(pile, endLeft, endTop);

    Glide(state_.CurrentCard, startLeft, startTop, endLeft, endTop);

    // With cards on the table the player now decides; on an empty table the card just lies
    // there and the turn passes by itself.
    if (state_.TableCount != 0) return;
    PassTurn();
    PlayTurn(PileOf(state_.Turn));
}

MatchEngine::DrawOutcome MatchEngine::DrawCard() {
    // A score of 51 is noticed at the start of the next turn, never in the middle of one.
    if (state_.Score[Player::Human] >= kWinningScore ||
        state_.Score[Player::Computer] >= kWinningScore) {
        window_.ShowEndOfMatch(state_);
        // Closing the program, or a new match asked for from the dialog, ends the operation
        // here. Every caller returns at once once the hand or match has ended, so returning
        // unwinds exactly as far as Abandoned would, and a headless run that stops at the end
        // of its match throws nothing.
        if (Interrupted()) return DrawOutcome::HandOrMatchEnded;
        ClearSelection();
        ResetScoreDisplays(Element::HumanScoreCaption, Element::ComputerScoreCaption);
        SetComputerTimer(false);
        ClearTable();
        state_.TurnCount = 0;
        StartNewMatch();
        return DrawOutcome::HandOrMatchEnded;
    }
    if (state_.CardsDrawn >= kCardCount) {
        SetComputerTimer(false);
        ClearSelection();
        state_.Turn = Player::Human;
        ClearTable();
        state_.TurnCount = 1;
        NewHand();
        return DrawOutcome::HandOrMatchEnded;
    }

    const SuitAndValue last = SplitCard(state_.CurrentCard);
    state_.LastSuit = last.suit;
    state_.LastValue = last.value;
    if (state_.LastSuit >= 1 && windowShowsAnything_) {
        window_.SetCaption(Element::LastCardCaption,
                           "Ultima: " + ValueName(last.value) + " di " + SuitName(last.suit));
    }

    const int card = random_.NextCardNotDrawn(state_.Drawn);
    state_.CurrentCard = card;
    state_.Drawn[card] = true;
    state_.CardsDrawn += 1;
    state_.CurrentValue = CardValue(card);
    state_.CurrentSuit = CardSuit(card);
    return DrawOutcome::CardDrawn;
}

void MatchEngine::PassTurn() {
    state_.Turn = state_.Turn != Player::Computer ? Player::Computer : Player::Human;
    ShowTurnColours();
    state_.TurnCount += 1;
    RecountTable();
}

void MatchEngine::ShowTurnColours() {
    if (!windowShowsAnything_) return;
    const bool computersTurn = state_.Turn == Player::Computer;
    window_.SetTextColour(Element::ComputerNamePanel, computersTurn ? kDarkBlue : kLightGrey);
    window_.SetTextColour(Element::HumanNamePanel, computersTurn ? kLightGrey : kDarkRed);
}

}  // namespace vorbia
