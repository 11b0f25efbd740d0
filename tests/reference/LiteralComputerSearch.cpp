#include "LiteralComputerSearch.h"

#include <array>
#include <initializer_list>

namespace vorbia {

namespace {

constexpr int kNoSuit = -1;

// Everything about a slot the search reads, by scan index 0..20.
struct Slots {
    std::array<std::optional<Card>, kSlots> card{};
    std::array<int, kSlots> value{};
    std::array<int, kSlots> suit{};
};

using Indices = std::initializer_list<int>;

Slots ReadSlots(const MatchState& state) {
    Slots slots;
    for (int p = 0; p < kSlots; ++p) {
        slots.card[p] = state.Table.At({p / kColumns, p % kColumns});
        // An empty slot reads as value 10 and no suit: it can never complete a capture.
        slots.value[p] = slots.card[p] ? slots.card[p]->value : 10;
        slots.suit[p] = slots.card[p] ? static_cast<int>(slots.card[p]->suit) : kNoSuit;
    }
    return slots;
}

int Points(Card card) {
    const bool twoOfSpade = card.suit == Suit::Spade && card.value == 2;
    return card.value == 1 || card.value > 7 || twoOfSpade ? 1 : 0;
}

// Every two of the slots lie in different rows, or every two in different columns. For two
// slots this reads "not the same slot".
bool Distinct(Indices indices) {
    bool rows = true;
    bool columns = true;
    for (const int* i = indices.begin(); i != indices.end(); ++i) {
        for (const int* j = i + 1; j != indices.end(); ++j) {
            rows = rows && *i / kColumns != *j / kColumns;
            columns = columns && *i % kColumns != *j % kColumns;
        }
    }
    return rows || columns;
}

// The nested loops over every ordered tuple of n slots (n = 2, 3 or 4): calls take with each
// tuple of values adding up to v that passes the distinctness test, until a call returns true.
template <class Take>
bool Captures(const Slots& s, int n, int v, Take take) {
    if (n == 4) {
        for (int i = 0; i < kSlots; ++i) {
            for (int j = 0; j < kSlots; ++j) {
                for (int k = 0; k < kSlots; ++k) {
                    for (int l = 0; l < kSlots; ++l) {
                        if (s.value[i] + s.value[j] + s.value[k] + s.value[l] == v &&
                            Distinct({i, j, k, l}) && take({i, j, k, l}))
                            return true;
                    }
                }
            }
        }
    } else if (n == 3) {
        for (int i = 0; i < kSlots; ++i) {
            for (int j = 0; j < kSlots; ++j) {
                for (int k = 0; k < kSlots; ++k) {
                    if (s.value[i] + s.value[j] + s.value[k] == v && Distinct({i, j, k}) &&
                        take({i, j, k}))
                        return true;
                }
            }
        }
    } else {
        for (int i = 0; i < kSlots; ++i) {
            for (int j = 0; j < kSlots; ++j) {
                if (s.value[i] + s.value[j] == v && Distinct({i, j}) && take({i, j})) return true;
            }
        }
    }
    return false;
}

}  // namespace

std::vector<Card> LiteralComputerCapture(const MatchState& state) {
    const Slots s = ReadSlots(state);
    const int tableCount = state.Table.Count();
    const int v = state.CurrentCard->value;
    const int currentSuit = static_cast<int>(state.CurrentCard->suit);
    auto cardsAt = [&s](Indices indices) {
        std::vector<Card> cards;
        for (int p : indices) cards.push_back(*s.card[p]);
        return cards;
    };

    // The opponent's last card.
    if (tableCount > 0 && state.LastCard) {
        for (int p = 0; p < kSlots; ++p) {
            if (s.card[p] && s.value[p] == v && s.card[p] == state.LastCard) return {*s.card[p]};
        }
    }

    // Same-suit captures of four, three, two cards.
    std::vector<Card> sameSuit;
    auto takeSameSuit = [&](Indices indices) {
        for (int p : indices) {
            if (s.suit[p] != currentSuit) return false;
        }
        sameSuit = cardsAt(indices);
        return true;
    };
    for (int n : {4, 3, 2}) {
        if (tableCount >= n && v >= n && Captures(s, n, v, takeSameSuit)) return sameSuit;
    }

    // Every capture is a candidate, scored by its point cards. The best is the first with the
    // highest score, or the first of all when every score is 0.
    std::vector<std::vector<Card>> candidates;
    size_t best = 0;
    int bestScore = 0;
    auto record = [&](Indices indices) {
        candidates.push_back(cardsAt(indices));
        int score = 0;
        for (const Card card : candidates.back()) score += Points(card);
        if (score > bestScore) {
            best = candidates.size() - 1;
            bestScore = score;
        }
        return false;
    };
    for (int n : {4, 3, 2}) {
        if (tableCount >= n && v >= n) Captures(s, n, v, record);
    }
    for (int p = 0; p < kSlots; ++p) {
        if (s.card[p] && s.value[p] == v) record({p});
    }

    return candidates.empty() ? std::vector<Card>{} : candidates[best];
}

}  // namespace vorbia
