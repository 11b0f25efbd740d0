// A play: selecting table cards, laying the current card, testing the selection against its
// value, and scoring the capture with its three kinds of scopa.
#include <string_view>

#include "MatchEngine.h"

namespace vorbia {

namespace {

constexpr int kHighestSum = 10;

std::string SumTooHighMessage(int sum) {
    return "Errore: hai cliccato su un numero di carte la cui somma è :" + std::to_string(sum) +
           ". Non puoi specificare una somma maggiore di " + std::to_string(kHighestSum);
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

std::optional<int> MatchEngine::SelectOrFindTooHigh(Card card) {
    if (!state_.CurrentCardOnPlaySpot() || !state_.Table.Contains(card)) return std::nullopt;
    if (state_.Selected.Contains(card)) {
        ToggleSelection(card);
        return std::nullopt;
    }
    // The cap counts the clicked card and everything already selected, whatever the value of
    // the card in hand.
    const int sum = SelectionSum(card.value, kHighestSum);
    if (sum > kHighestSum) return sum;
    ToggleSelection(card);
    return std::nullopt;
}

// Nothing stays selected: the player may select again in the same turn.
Flow MatchEngine::RefuseSelection(int sum) {
    if (state_.ShowMessages && showsAnything_) co_await Tell(SumTooHighMessage(sum));
    ClearSelection();
}

// What a capture has taken so far, for its scopa.
struct MatchEngine::CaptureTally {
    explicit CaptureTally(Card playedCard) : played(playedCard) {}

    Card played;
    int scopaTotal = 0;
    int scopaPoints = 0;
    int tableCardsTaken = 0;
    std::optional<Card> lastTableCard;
    bool sameSuit = true;

    void Take(Card taken) {
        sameSuit = sameSuit && taken.suit == played.suit;
        scopaTotal += taken.value;
        scopaPoints += ScopaValue(taken);
        if (taken != played) {
            ++tableCardsTaken;
            lastTableCard = taken;
        }
    }
};

Flow MatchEngine::Play(Card card) {
    if (state_.CurrentCard != card || state_.Table.Contains(card)) co_return;
    const Player player = *state_.Turn;

    // The card goes to the table first; a valid capture takes it off again with the others.
    const std::optional<Slot> slot = PlaceOnTable(card);
    state_.CurrentPlace = CurrentCardPlace::Played;
    if (showsAnything_) {
        if (slot) {
            co_await Shown(
                [this, card, slot](StepDone shown) { display_.CardLaid(card, *slot, shown); });
        } else {
            // All 21 slots taken: the card finds no room and goes straight to its player's
            // pile. It still belongs to its capture; when it takes nothing it simply leaves
            // the game.
            co_await Shown(
                [this, card, player](StepDone shown) { display_.CardTaken(card, player, shown); });
        }
    }

    const int value = card.value;
    const int sum = SelectionSum(0, value);
    if (sum > value) {
        // Passing the value is refused without a beep.
        if (state_.ShowMessages && showsAnything_) co_await Tell(WrongSumMessage(sum, value));
        ClearSelection();
    } else {
        // From here the played card belongs to the capture, or to the refused selection.
        if (sum > 0 && slot) state_.Selected.Add(card);
        if (sum == value) {
            // The selected cards leave the table in scan order, the played card among them.
            CaptureTally tally(card);
            for (const auto [taken, takenCard] : state_.Table.OccupiedSlots()) {
                if (!state_.Selected.Contains(takenCard)) continue;
                ToggleSelection(takenCard);
                if (showsAnything_) {
                    // A named copy: clang 14 cannot capture a structured binding.
                    co_await Shown([this, cardTaken = takenCard, player](StepDone shown) {
                        display_.CardTaken(cardTaken, player, shown);
                    });
                }
                tally.Take(takenCard);
                state_.Score[player] += CardPoints(takenCard);
                state_.Table.Clear(taken);
            }
            // On a full table the played card is already on the pile, taken last.
            if (!slot) {
                tally.Take(card);
                state_.Score[player] += CardPoints(card);
            }
            if (showsAnything_) SendClickable();
            if (const std::optional<ScopaKind> scopa = ScopaOf(tally)) {
                state_.Score[player] += tally.scopaPoints;
                ++scopasScored_[player][static_cast<size_t>(*scopa)];
                if (state_.ShowMessages && showsAnything_) {
                    co_await Tell(ScopaMessage(tally.scopaTotal, *scopa));
                }
            }
            ShowScore();
        } else if (sum > 0) {
            if (state_.ShowMessages && showsAnything_) {
                co_await Tell(WrongSumMessage(sum, value));
            } else if (showsAnything_) {
                display_.Beep();
            }
            ClearSelection();
        }
    }
    // A play always ends the turn: a wrong selection costs the capture, not the turn.
    PassTurn();
    co_await PlayTurns();
}

// Only the first kind of scopa that applies is scored. The last-card scopa takes exactly the
// one card the opponent uncovered in the turn before.
std::optional<ScopaKind> MatchEngine::ScopaOf(const CaptureTally& tally) const {
    if (state_.Table.Empty()) return ScopaKind::EmptyTable;
    if (tally.tableCardsTaken == 1 && tally.lastTableCard == state_.LastCard) {
        return ScopaKind::LastCard;
    }
    if (tally.sameSuit) return ScopaKind::SameSuit;
    return std::nullopt;
}

void MatchEngine::ShowScore() {
    if (showsAnything_) display_.ScoreChanged(*state_.Turn, state_.Score);
}

}  // namespace vorbia
