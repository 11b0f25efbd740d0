// A play: selecting table cards, laying the current card, testing the selection against its
// value, and scoring the capture with its three kinds of scopa.
#include <cmath>
#include <string_view>

#include "MatchEngine.h"
#include "TableOrders.h"

namespace vorbia {

namespace {

constexpr int kHighestSum = 10;
constexpr int kOffTableLeft = -59;

std::string SumTooHighMessage(int sum) {
    return "Errore: hai cliccato su un numero di carte la cui somma è :" + std::to_string(sum) +
           ". Non puoi specificare una somma maggiore di 10";
}

std::string WrongSumMessage(int sum, int value) {
    return "Errore: hai cliccato su un numero di carte la cui somma è :" + std::to_string(sum) +
           ". Non puoi specificare una somma diversa da " + std::to_string(value);
}

std::string_view ScopaReason(ScopaKind kind) {
    switch (kind) {
        case ScopaKind::EmptyTable:
            return "non ci sono altre carte in tavolo.";
        case ScopaKind::LastCard:
            return "presa l'ultima carta giocata.";
        case ScopaKind::SameSuit:
            return "tutte le carte prese sono dello stesso seme.";
    }
    return "";
}

std::string ScopaMessage(int total, ScopaKind kind) {
    return "E' stata fatta una scopa da " + std::to_string(total) + " punti perchè " +
           std::string(ScopaReason(kind));
}

}  // namespace

void MatchEngine::SelectTableCard(int card) {
    if (!CurrentCardOnPlaySpot() || card <= 0 || card > kCardCount || !IsOnTable(card)) return;
    if (state_.Selected[card]) {
        ToggleSelection(card);
        return;
    }
    // The cap counts the clicked card and everything already selected, whatever the value of
    // the card in hand.
    const int sum = SelectionSum(CardValue(card), kHighestSum);
    if (sum > kHighestSum) {
        if (state_.ShowMessages) Tell(SumTooHighMessage(sum));
        ClearSelection();
        return;
    }
    ToggleSelection(card);
}

void MatchEngine::PlayCard(int card) {
    if (card <= 0 || card != state_.CurrentCard || IsOnTable(card)) return;

    // The card goes to the table first; a valid capture takes it off again with the others.
    const PictureBox from = window_.CardBox(card);
    int left = 0;
    int top = 0;
    const bool placed = PlaceOnTable(card, left, top);
    if (!placed) {
        // All 21 slots taken: the card finds no room and goes straight to its player's pile.
        // It still belongs to its capture; when it takes nothing it simply leaves the game.
        left = kOffTableLeft;
        top = window_.CardBox(PileOf(state_.Turn)).top;
    }
    Glide(card, from.left, from.top, left, top);

    const int value = CardValue(card);
    const int sum = SelectionSum(0, value);
    if (sum > value) {
        // Passing the value is refused without a beep.
        if (state_.ShowMessages) Tell(WrongSumMessage(sum, value));
        ClearSelection();
        HandOn();
        return;
    }

    if (sum > 0 && placed) state_.Selected[card] = true;
    if (sum == value) {
        CaptureSelection(card, placed);
        ShowScore();
    } else if (sum > 0) {
        if (state_.ShowMessages) {
            Tell(WrongSumMessage(sum, value));
        } else {
            window_.Beep();
        }
        ClearSelection();
    }
    // A play always ends the turn: a wrong selection costs the capture, not the turn.
    HandOn();
}

void MatchEngine::CaptureSelection(int card, bool cardOnTable) {
    const Player turn = state_.Turn;
    int scopaTotal = 0;
    int scopaPoints = 0;
    int capturedCount = 0;
    int firstSuit = 0;
    bool sameSuit = true;
    const auto count = [&](int taken) {
        const SuitAndValue split = SplitCard(taken);
        if (capturedCount == 0) firstSuit = split.suit;
        sameSuit = sameSuit && split.suit == firstSuit;
        ++capturedCount;
        if (taken != card) lastTakenSuit_ = split.suit;
        scopaTotal += split.value;
        // Court cards count one less in a scopa.
        scopaPoints += split.value > 7 ? split.value - 1 : split.value;
        state_.Score[turn] += CardPoints(taken);
    };
    // An empty slot holds card 0, which is never selected.
    for (const Slot slot : kScanOrder) {
        const int taken = state_.CardAt(slot);
        if (!state_.Selected[taken]) continue;

        const int targetTop = window_.CardBox(PileOf(turn)).top;
        ToggleSelection(taken);
        const PictureBox from = window_.CardBox(taken);
        Glide(taken, from.left, from.top, kOffTableLeft, targetTop);
        count(taken);
        state_.CardAt(slot) = 0;
    }
    // On a full table the played card is already on the pile, taken last.
    if (!cardOnTable) count(card);

    RecountTable();

    // Only the first kind of scopa that applies is scored.
    ScopaKind scopa;
    if (state_.TableCount == 0) {
        scopa = ScopaKind::EmptyTable;
    } else if (state_.LastValue == state_.CurrentValue && state_.LastSuit == lastTakenSuit_ &&
               capturedCount < 3) {
        scopa = ScopaKind::LastCard;
    } else if (sameSuit) {
        scopa = ScopaKind::SameSuit;
    } else {
        return;
    }
    state_.Score[turn] += scopaPoints;
    ++scopasScored_[turn][static_cast<size_t>(scopa)];
    if (state_.ShowMessages) Tell(ScopaMessage(scopaTotal, scopa));
}

void MatchEngine::ShowScore() {
    if (!windowShowsAnything_) return;
    const Player turn = state_.Turn;
    window_.SetCaption(
        turn == Player::Human ? Element::HumanScoreCaption : Element::ComputerScoreCaption,
        "Punti: " + std::to_string(state_.Score[turn]));
    const Element bars[] = {Element::HumanScoreBar, Element::ComputerScoreBar};
    const Player owners[] = {Player::Human, Player::Computer};
    const Colour colours[] = {kDarkRed, kDarkBlue};
    for (int bar = 0; bar < 2; ++bar) {
        const double width = window_.ElementBox(bars[bar]).width;
        // Rounded to nearest, halves to even: the default floating-point rounding mode.
        const double right = std::nearbyint(state_.Score[owners[bar]] * width / 51.0 - 3.0);
        window_.DrawScoreBar(bar, static_cast<int>(right), colours[bar]);
    }
}

void MatchEngine::HandOn() {
    PassTurn();
    PlayTurn(PileOf(state_.Turn));
}

}  // namespace vorbia
