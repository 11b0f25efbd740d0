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

Flow MatchEngine::Select(Card card) {
    if (!state_.CurrentCardOnPlaySpot() || !state_.Table.Contains(card)) co_return;
    if (state_.Selected.Contains(card)) {
        ToggleSelection(card);
        co_return;
    }
    // The cap counts the clicked card and everything already selected, whatever the value of
    // the card in hand.
    const int sum = SelectionSum(card.value, kHighestSum);
    if (sum > kHighestSum) {
        if (state_.ShowMessages && showsAnything_) co_await Tell(SumTooHighMessage(sum));
        ClearSelection();
        co_return;
    }
    ToggleSelection(card);
}

Flow MatchEngine::Play(Card card) {
    if (state_.CurrentCard != card || state_.Table.Contains(card)) co_return;
    const Player player = *state_.Turn;

    // The card goes to the table first; a valid capture takes it off again with the others.
    const std::optional<Slot> slot = PlaceOnTable(card);
    state_.CurrentPlace = CurrentCardPlace::Played;
    if (showsAnything_) {
        if (slot) {
            co_await Shown([this, card, slot](StepDone shown) {
                display_.CardLaid(card, *slot, shown);
            });
        } else {
            // All 21 slots taken: the card finds no room and goes straight to its player's
            // pile. It still belongs to its capture; when it takes nothing it simply leaves
            // the game.
            co_await Shown([this, card, player](StepDone shown) {
                display_.CardTaken(card, player, shown);
            });
        }
    }

    const int value = card.value;
    const int sum = SelectionSum(0, value);
    if (sum > value) {
        // Passing the value is refused without a beep.
        if (state_.ShowMessages && showsAnything_) co_await Tell(WrongSumMessage(sum, value));
        ClearSelection();
    } else {
        if (sum > 0 && slot) state_.Selected.Add(card);
        if (sum == value) {
            co_await CaptureSelection(card, slot.has_value());
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

Flow MatchEngine::CaptureSelection(Card card, bool cardOnTable) {
    const Player player = *state_.Turn;
    int scopaTotal = 0;
    int scopaPoints = 0;
    int tableCardsTaken = 0;
    std::optional<Card> lastTaken;
    bool sameSuit = true;
    const auto count = [&](Card taken) {
        sameSuit = sameSuit && taken.suit == card.suit;
        scopaTotal += taken.value;
        scopaPoints += ScopaValue(taken);
        state_.Score[player] += CardPoints(taken);
    };
    for (const Slot slot : state_.Table.OccupiedSlots()) {
        const Card taken = *state_.Table.At(slot);
        if (!state_.Selected.Contains(taken)) continue;
        ToggleSelection(taken);
        if (showsAnything_) {
            co_await Shown([this, taken, player](StepDone shown) {
                display_.CardTaken(taken, player, shown);
            });
        }
        count(taken);
        if (taken != card) {
            ++tableCardsTaken;
            lastTaken = taken;
        }
        state_.Table.Clear(slot);
    }
    // On a full table the played card is already on the pile, taken last.
    if (!cardOnTable) count(card);
    if (showsAnything_) SendClickable();

    // Only the first kind of scopa that applies is scored. The last-card scopa takes exactly
    // the one card the opponent uncovered in the turn before.
    ScopaKind scopa;
    if (state_.Table.Empty()) {
        scopa = ScopaKind::EmptyTable;
    } else if (tableCardsTaken == 1 && lastTaken == state_.LastCard) {
        scopa = ScopaKind::LastCard;
    } else if (sameSuit) {
        scopa = ScopaKind::SameSuit;
    } else {
        co_return;
    }
    state_.Score[player] += scopaPoints;
    ++scopasScored_[player][static_cast<size_t>(scopa)];
    if (state_.ShowMessages && showsAnything_) co_await Tell(ScopaMessage(scopaTotal, scopa));
}

void MatchEngine::ShowScore() {
    if (showsAnything_) display_.ScoreChanged(*state_.Turn, state_.Score);
}

}  // namespace vorbia
