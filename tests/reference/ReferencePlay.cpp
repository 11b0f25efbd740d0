#include "ReferencePlay.h"

#include <algorithm>

namespace vorbia::reference {

namespace {

const std::string kSumIs = "Errore: hai cliccato su un numero di carte la cui somma è :";

// Row 0 columns 0 to 6, then row 1, then row 2.
template <class Visit>
void InScanOrder(Visit visit) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 7; ++column) visit(row, column);
    }
}

std::string Named(Card card) {
    return std::string(1, "DCBS"[static_cast<int>(card.suit)]) + std::to_string(card.value);
}

std::string Named(Player player) { return player == Player::Human ? "human" : "computer"; }

}  // namespace

bool ReferencePlay::IsSelected(Card card) const {
    return std::ranges::find(selected_, card) != selected_.end();
}

std::vector<Card> ReferencePlay::SelectedInScanOrder() const {
    std::vector<Card> cards;
    InScanOrder([&](int row, int column) {
        const std::optional<Card> card = p_.table[row][column];
        if (card && IsSelected(*card)) cards.push_back(*card);
    });
    return cards;
}

ClickResult ReferencePlay::Click(Card card) {
    ClickResult result;
    if (IsSelected(card)) {
        std::erase(selected_, card);
    } else {
        // The clicked card and the cards already chosen, added in scan order until they pass
        // 10, may not pass it.
        int sum = card.value;
        for (const Card chosen : SelectedInScanOrder()) {
            if (sum <= 10) sum += chosen.value;
        }
        if (sum <= 10) {
            selected_.push_back(card);
        } else {
            if (p_.messages) {
                result.messages.push_back(kSumIs + std::to_string(sum) +
                                          ". Non puoi specificare una somma maggiore di 10");
            }
            selected_.clear();
        }
    }
    result.selected = SelectedInScanOrder();
    return result;
}

PlayResult ReferencePlay::Play() {
    PlayResult result;
    const Player player = p_.player;
    const int v = p_.card.value;

    // The card is laid first, in the first free slot: column by column, each player filling a
    // column from its own side (the human's row 0, the computer's row 2).
    bool laid = false;
    for (int column = 0; column < 7 && !laid; ++column) {
        for (int step = 0; step < 3 && !laid; ++step) {
            std::optional<Card>& slot = p_.table[player == Player::Human ? step : 2 - step][column];
            if (!slot) {
                slot = p_.card;
                laid = true;
            }
        }
    }
    // A card that finds no free slot goes straight to its player's pile.
    if (!laid) result.taken.emplace_back(p_.card, player);

    // The chosen cards added in scan order until they pass the card's value.
    const std::vector<Card> chosen = SelectedInScanOrder();
    int sum = 0;
    for (const Card card : chosen) {
        if (sum <= v) sum += card.value;
    }

    result.scoreAfter = p_.score;
    result.tableAfter = p_.table;
    selected_.clear();
    if (sum == 0) return result;
    if (sum != v) {
        // With the messages off, only a sum below the value beeps.
        if (p_.messages) {
            result.messages.push_back(kSumIs + std::to_string(sum) +
                                      ". Non puoi specificare una somma diversa da " +
                                      std::to_string(v));
        } else {
            result.beep = sum < v;
        }
        return result;
    }

    // The played card belongs to the capture: taken with the others in scan order, or already
    // on its way to the pile.
    std::vector<Card> taken;
    InScanOrder([&](int row, int column) {
        const std::optional<Card> card = p_.table[row][column];
        if (card && (*card == p_.card || std::ranges::count(chosen, *card) > 0)) {
            taken.push_back(*card);
            result.taken.emplace_back(*card, player);
        }
    });
    if (!laid) taken.push_back(p_.card);
    int total = 0;
    int scopaPoints = 0;
    std::optional<Suit> lastTakenSuit;
    bool oneSuit = true;
    int& score = result.scoreAfter[player];
    for (const Card card : taken) {
        if (card != p_.card) lastTakenSuit = card.suit;
        oneSuit = oneSuit && card.suit == taken.front().suit;
        total += card.value;
        scopaPoints += card.value > 7 ? card.value - 1 : card.value;
        if (card.suit == Suit::Spade && card.value == 2) score += 1;
        if (card.value == 1 || card.value > 7) score += 1;
    }
    int left = 0;
    InScanOrder([&](int row, int column) {
        std::optional<Card>& slot = result.tableAfter[row][column];
        if (slot && std::ranges::count(taken, *slot) > 0) slot.reset();
        left += slot.has_value();
    });

    std::string reason;
    if (left == 0) {
        result.scopa = Scopa::EmptyTable;
        reason = "non ci sono altre carte in tavolo.";
    } else if (p_.lastCard && p_.lastCard->value == v && p_.lastCard->suit == lastTakenSuit &&
               taken.size() < 3) {
        result.scopa = Scopa::LastCard;
        reason = "presa l'ultima carta giocata.";
    } else if (oneSuit) {
        result.scopa = Scopa::SameSuit;
        reason = "tutte le carte prese sono dello stesso seme.";
    }
    if (!reason.empty()) {
        score += scopaPoints;
        if (p_.messages) {
            result.messages.push_back("E' stata fatta una scopa da " + std::to_string(total) +
                                      " punti perchè " + reason);
        }
    }
    result.scoreShownFor = player;
    result.scoreShown = result.scoreAfter;
    return result;
}

std::string Describe(const PlayResult& r) {
    std::string text = "messages:";
    for (const std::string& message : r.messages) text += " \"" + message + "\"";
    text += r.beep ? ", beep" : "";
    text += "; taken:";
    for (const auto& [card, taker] : r.taken) text += ' ' + Named(card) + '>' + Named(taker);
    text += "; table:";
    InScanOrder([&](int row, int column) {
        const std::optional<Card> card = r.tableAfter[row][column];
        text +=
            (column == 0 && row > 0 ? " /" : "") + std::string(" ") + (card ? Named(*card) : ".");
    });
    const auto scores = [](const PerPlayer<int>& score) {
        return std::to_string(score[Player::Human]) + "-" + std::to_string(score[Player::Computer]);
    };
    text +=
        "; score " + scores(r.scoreAfter) + "; scopa " + std::to_string(static_cast<int>(r.scopa));
    if (r.scoreShownFor)
        text += "; shown for " + Named(*r.scoreShownFor) + " " + scores(r.scoreShown);
    return text;
}

}  // namespace vorbia::reference
