#include "ReferencePlay.h"

#include <algorithm>

namespace vorbia::reference {

namespace {

// 1..10 Denare, 11..20 Coppe, 21..30 Bastoni, 31..40 Spade, each from Asso (1) to Re (10).
int Suit(int card) { return (card - 1) / 10 + 1; }
int Value(int card) { return card % 10 == 0 ? 10 : card % 10; }

const std::string kSumIs = "Errore: hai cliccato su un numero di carte la cui somma è :";

// Row 1 column 1 to 7, then row 2, then row 3.
template <class Visit>
void InScanOrder(Visit visit) {
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 7; ++column) visit(row, column);
    }
}

// n / 51 rounded to the nearest integer, a half to the even one.
int RoundedFiftyFirsts(int n) {
    int quotient = n / 51;
    int remainder = n % 51;
    if (remainder < 0) {
        quotient -= 1;
        remainder += 51;
    }
    if (2 * remainder > 51 || (2 * remainder == 51 && quotient % 2 != 0)) quotient += 1;
    return quotient;
}

}  // namespace

std::vector<int> ReferencePlay::SelectedInScanOrder() const {
    std::vector<int> cards;
    InScanOrder([&](int row, int column) {
        const int card = p_.table[row][column];
        if (card != 0 && selected_[card]) cards.push_back(card);
    });
    return cards;
}

ClickResult ReferencePlay::Click(int card) {
    ClickResult result;
    if (selected_[card]) {
        selected_[card] = false;
    } else {
        // The clicked card and the cards already chosen, added in scan order until they pass
        // 10, may not pass it.
        int sum = Value(card);
        for (int chosen : SelectedInScanOrder()) {
            if (sum <= 10) sum += Value(chosen);
        }
        selected_[card] = sum <= 10;
        if (sum > 10) {
            if (p_.messages) {
                result.messages.push_back(kSumIs + std::to_string(sum) +
                                          ". Non puoi specificare una somma maggiore di 10");
            }
            selected_.fill(false);
        }
    }
    result.selected = SelectedInScanOrder();
    return result;
}

PlayResult ReferencePlay::Play() {
    PlayResult result;
    const int player = p_.player;
    const int v = Value(p_.card);
    const std::string wrongSum = ". Non puoi specificare una somma diversa da " + std::to_string(v);

    // The card is laid first, in the first free slot: column by column, each player filling a
    // column from its own side (the human's row 1, the computer's row 3).
    bool laid = false;
    for (int column = 1; column <= 7 && !laid; ++column) {
        for (int step = 0; step < 3 && !laid; ++step) {
            const int row = player == 1 ? 1 + step : 3 - step;
            if (p_.table[row][column] == 0) {
                p_.table[row][column] = p_.card;
                laid = true;
            }
        }
    }

    // The chosen cards added in scan order until they pass the card's value.
    std::vector<int> chosen = SelectedInScanOrder();
    int sum = 0;
    for (int card : chosen) {
        if (sum <= v) sum += Value(card);
    }

    result.scoreAfter = p_.score;
    result.tableAfter = p_.table;
    const bool captured = sum == v;
    // Any other sum but none is refused; with the messages off, only one below the value beeps.
    if (sum != 0 && !captured) {
        if (p_.messages) {
            result.messages.push_back(kSumIs + std::to_string(sum) + wrongSum);
        } else {
            result.beep = sum < v;
        }
    }
    // A card that finds no free slot leaves the table when it takes nothing.
    if (!laid && !captured) result.leftTheTable.push_back({p_.card, p_.pileTop[player]});

    if (captured) {
        // The played card belongs to the capture, wherever it lies.
        std::vector<int> taken = chosen;
        if (laid) {
            selected_[p_.card] = true;
            taken = SelectedInScanOrder();
        } else {
            taken.push_back(p_.card);
        }
        int total = 0;
        int scopaPoints = 0;
        int lastTakenSuit = 0;
        bool oneSuit = true;
        for (int card : taken) {
            result.leftTheTable.push_back({card, p_.pileTop[player]});
            if (card != p_.card) lastTakenSuit = Suit(card);
            oneSuit = oneSuit && Suit(card) == Suit(taken.front());
            total += Value(card);
            scopaPoints += Value(card) > 7 ? Value(card) - 1 : Value(card);
            if (card == 32) result.scoreAfter[player] += 1;  // the 2 of Spade
            if (Value(card) == 1) result.scoreAfter[player] += 1;
            if (Value(card) > 7) result.scoreAfter[player] += 1;
        }
        int left = 0;
        InScanOrder([&](int row, int column) {
            int& slot = result.tableAfter[row][column];
            if (std::ranges::count(taken, slot) > 0) slot = 0;
            left += slot != 0;
        });

        const int lastValue = p_.lastCard == 0 ? 10 : Value(p_.lastCard);
        const int lastSuit = p_.lastCard == 0 ? 0 : Suit(p_.lastCard);
        std::string reason;
        if (left == 0) {
            reason = "non ci sono altre carte in tavolo.";
        } else if (lastValue == v && lastSuit == lastTakenSuit && taken.size() < 3) {
            reason = "presa l'ultima carta giocata.";
        } else if (oneSuit) {
            reason = "tutte le carte prese sono dello stesso seme.";
        }
        if (!reason.empty()) {
            result.scoreAfter[player] += scopaPoints;
            if (p_.messages) {
                result.messages.push_back("E' stata fatta una scopa da " + std::to_string(total) +
                                          " punti perchè " + reason);
            }
        }
        result.captionOf = player;
        result.caption = "Punti: " + std::to_string(result.scoreAfter[player]);
        result.barsDrawn = true;
        for (int bar = 0; bar < 2; ++bar) {
            result.barRight[bar] =
                RoundedFiftyFirsts(result.scoreAfter[bar + 1] * p_.barWidth - 3 * 51);
        }
    }
    std::ranges::sort(result.leftTheTable);
    selected_.fill(false);
    return result;
}

std::string Describe(const PlayResult& r) {
    std::string text = "messages:";
    for (const std::string& message : r.messages) text += " \"" + message + "\"";
    text += r.beep ? ", beep" : "";
    text += "; off the table:";
    for (const auto& [card, top] : r.leftTheTable) {
        text += ' ' + std::to_string(card);
        text += '@' + std::to_string(top);
    }
    text += "; table:";
    InScanOrder([&](int row, int column) {
        text += (column == 1 && row > 1 ? " /" : "") + std::string(" ") +
                std::to_string(r.tableAfter[row][column]);
    });
    text += "; score " + std::to_string(r.scoreAfter[1]) + "-" + std::to_string(r.scoreAfter[2]);
    if (r.captionOf != 0) text += "; caption " + std::to_string(r.captionOf) + " " + r.caption;
    if (r.barsDrawn) {
        text += "; bars " + std::to_string(r.barRight[0]) + " " + std::to_string(r.barRight[1]);
    }
    return text;
}

}  // namespace vorbia::reference
