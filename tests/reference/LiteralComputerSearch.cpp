#include "LiteralComputerSearch.h"

#include <array>
#include <initializer_list>

#include "Card.h"

namespace vorbia {

namespace {

constexpr int kPositions = 21;

// Everything about a slot the search reads, by position 1..21 (element 0 unused).
struct Slots {
    std::array<int, kPositions + 1> card{};
    std::array<int, kPositions + 1> value{};
    std::array<int, kPositions + 1> suit{};
    std::array<int, kPositions + 1> row{};
    std::array<int, kPositions + 1> column{};
};

using Positions = std::initializer_list<int>;

Slots ReadSlots(const MatchState& state) {
    Slots slots;
    for (int p = 1; p <= kPositions; ++p) {
        slots.row[p] = (p - 1) / 7 + 1;
        slots.column[p] = p % 7 == 0 ? 7 : p % 7;
        slots.card[p] = state.TableGrid[slots.row[p]][slots.column[p]];
        // An empty slot reads as value 10 and suit 0.
        slots.value[p] = SplitCard(slots.card[p]).value;
        slots.suit[p] = SplitCard(slots.card[p]).suit;
    }
    return slots;
}

// Every two of the positions lie in different rows, or every two in different columns. For
// two positions this reads "not the same slot".
bool Distinct(const Slots& s, Positions positions) {
    bool rows = true;
    bool columns = true;
    for (const int* i = positions.begin(); i != positions.end(); ++i) {
        for (const int* j = i + 1; j != positions.end(); ++j) {
            rows = rows && s.row[*i] != s.row[*j];
            columns = columns && s.column[*i] != s.column[*j];
        }
    }
    return rows || columns;
}

// The nested loops over every ordered tuple of n positions (n = 2, 3 or 4): calls take with each
// tuple of values adding up to v that passes the distinctness test, until a call returns true.
template <class Take>
bool Captures(const Slots& s, int n, int v, Take take) {
    if (n == 4) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                for (int k = 1; k <= kPositions; ++k) {
                    for (int l = 1; l <= kPositions; ++l) {
                        if (s.value[i] + s.value[j] + s.value[k] + s.value[l] == v &&
                            Distinct(s, {i, j, k, l}) && take({i, j, k, l}))
                            return true;
                    }
                }
            }
        }
    } else if (n == 3) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                for (int k = 1; k <= kPositions; ++k) {
                    if (s.value[i] + s.value[j] + s.value[k] == v && Distinct(s, {i, j, k}) &&
                        take({i, j, k}))
                        return true;
                }
            }
        }
    } else {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                if (s.value[i] + s.value[j] == v && Distinct(s, {i, j}) && take({i, j}))
                    return true;
            }
        }
    }
    return false;
}

}  // namespace

std::vector<int> LiteralComputerCapture(const MatchState& state) {
    const Slots s = ReadSlots(state);
    const int tableCount = state.TableCount;
    const int v = state.CurrentValue;
    auto cardsAt = [&s](Positions positions) {
        std::vector<int> cards;
        for (int p : positions) cards.push_back(s.card[p]);
        return cards;
    };

    // Step 2: the opponent's last card.
    if (tableCount > 0) {
        for (int p = 1; p <= kPositions; ++p) {
            if (s.card[p] != 0 && s.value[p] == v && s.value[p] == state.LastValue &&
                s.suit[p] == state.LastSuit)
                return {s.card[p]};
        }
    }

    // Step 3: same-suit captures of four, three, two cards.
    std::vector<int> sameSuit;
    auto takeSameSuit = [&](Positions positions) {
        for (int p : positions) {
            if (s.suit[p] != state.CurrentSuit) return false;
        }
        sameSuit = cardsAt(positions);
        return true;
    };
    for (int n : {4, 3, 2}) {
        if (tableCount >= n && v >= n && Captures(s, n, v, takeSameSuit)) return sameSuit;
    }

    // Step 4: every capture is a candidate, scored by its point cards. The best is the first
    // with the highest score, or the first of all when every score is 0.
    std::vector<std::vector<int>> candidates;
    size_t best = 0;
    int bestScore = 0;
    auto record = [&](Positions positions) {
        candidates.push_back(cardsAt(positions));
        int score = 0;
        for (int card : candidates.back()) score += CardPoints(card);
        if (score > bestScore) {
            best = candidates.size() - 1;
            bestScore = score;
        }
        return false;
    };
    for (int n : {4, 3, 2}) {
        if (tableCount >= n && v >= n) Captures(s, n, v, record);
    }
    for (int p = 1; p <= kPositions; ++p) {
        if (tableCount > 0 && s.card[p] != 0 && s.value[p] == v) record({p});
    }

    // Step 5: the best candidate, if any.
    return candidates.empty() ? std::vector<int>{} : candidates[best];
}

}  // namespace vorbia
