#include "LiteralComputerSearch.h"

#include <array>

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

Slots ReadSlots(const MatchState& state) {
    Slots slots;
    for (int p = 1; p <= kPositions; ++p) {
        const int row = (p - 1) / 7 + 1;
        const int column = p % 7 == 0 ? 7 : p % 7;
        const int n = state.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)];
        // An empty slot reads as value 10 and suit 0.
        int value = n % 10;
        int suit = n / 10 + 1;
        if (value == 0) {
            value = 10;
            suit -= 1;
        }
        slots.card[p] = n;
        slots.value[p] = value;
        slots.suit[p] = suit;
        slots.row[p] = row;
        slots.column[p] = column;
    }
    return slots;
}

bool TwoDistinct(const Slots& s, int i, int j) {
    return !(s.row[i] == s.row[j] && s.column[i] == s.column[j]);
}

bool ThreeDistinct(const Slots& s, int i, int j, int k) {
    const bool rows = s.row[i] != s.row[j] && s.row[i] != s.row[k] && s.row[j] != s.row[k];
    const bool columns =
        s.column[i] != s.column[j] && s.column[i] != s.column[k] && s.column[j] != s.column[k];
    return rows || columns;
}

bool FourDistinct(const Slots& s, int i, int j, int k, int l) {
    const bool rows = s.row[i] != s.row[j] && s.row[i] != s.row[k] && s.row[i] != s.row[l] &&
                      s.row[j] != s.row[k] && s.row[j] != s.row[l] && s.row[k] != s.row[l];
    const bool columns = s.column[i] != s.column[j] && s.column[i] != s.column[k] &&
                         s.column[i] != s.column[l] && s.column[j] != s.column[k] &&
                         s.column[j] != s.column[l] && s.column[k] != s.column[l];
    return rows || columns;
}

struct Candidates {
    std::vector<std::array<int, 4>> cards;  // places beyond the capture's size hold 0
    std::vector<int> score;
    int best = 0;  // 1-based, 0 = none chosen by score
    int bestScore = 0;

    void Record(const std::array<int, 4>& taken) {
        cards.push_back(taken);
        int points = 0;
        for (int card : taken) points += CardPoints(card);
        score.push_back(points);
        const int m = static_cast<int>(cards.size());
        if (points > bestScore) {
            best = m;
            bestScore = points;
        }
    }
};

}  // namespace

std::vector<int> LiteralComputerCapture(const MatchState& state) {
    const Slots s = ReadSlots(state);
    const int tableCount = state.TableCount;
    const int v = state.CurrentValue;
    const int suit = state.CurrentSuit;

    // Step 2: the opponent's last card.
    if (tableCount > 0) {
        for (int p = 1; p <= kPositions; ++p) {
            if (s.card[p] != 0 && s.value[p] == v && s.value[p] == state.LastValue &&
                s.suit[p] == state.LastSuit) {
                return {s.card[p]};
            }
        }
    }

    // Step 3: same-suit captures of four, three, two cards.
    if (tableCount > 3 && v > 3) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                for (int k = 1; k <= kPositions; ++k) {
                    for (int l = 1; l <= kPositions; ++l) {
                        if (s.value[i] + s.value[j] + s.value[k] + s.value[l] == v &&
                            FourDistinct(s, i, j, k, l) && s.suit[i] == suit && s.suit[j] == suit &&
                            s.suit[k] == suit && s.suit[l] == suit) {
                            return {s.card[i], s.card[j], s.card[k], s.card[l]};
                        }
                    }
                }
            }
        }
    }
    if (tableCount > 2 && v > 2) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                for (int k = 1; k <= kPositions; ++k) {
                    if (s.value[i] + s.value[j] + s.value[k] == v && ThreeDistinct(s, i, j, k) &&
                        s.suit[i] == suit && s.suit[j] == suit && s.suit[k] == suit) {
                        return {s.card[i], s.card[j], s.card[k]};
                    }
                }
            }
        }
    }
    if (tableCount > 1 && v > 1) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                if (s.value[i] + s.value[j] == v && TwoDistinct(s, i, j) && s.suit[i] == suit &&
                    s.suit[j] == suit) {
                    return {s.card[i], s.card[j]};
                }
            }
        }
    }

    // Step 4: every capture, scored by its point cards.
    Candidates candidates;
    if (tableCount > 3 && v > 3) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                for (int k = 1; k <= kPositions; ++k) {
                    for (int l = 1; l <= kPositions; ++l) {
                        if (s.value[i] + s.value[j] + s.value[k] + s.value[l] == v &&
                            FourDistinct(s, i, j, k, l)) {
                            candidates.Record({s.card[i], s.card[j], s.card[k], s.card[l]});
                        }
                    }
                }
            }
        }
    }
    if (tableCount > 2 && v > 2) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                for (int k = 1; k <= kPositions; ++k) {
                    if (s.value[i] + s.value[j] + s.value[k] == v && ThreeDistinct(s, i, j, k)) {
                        candidates.Record({s.card[i], s.card[j], s.card[k], 0});
                    }
                }
            }
        }
    }
    if (tableCount > 1 && v > 1) {
        for (int i = 1; i <= kPositions; ++i) {
            for (int j = 1; j <= kPositions; ++j) {
                if (s.value[i] + s.value[j] == v && TwoDistinct(s, i, j)) {
                    candidates.Record({s.card[i], s.card[j], 0, 0});
                }
            }
        }
    }
    if (tableCount > 0) {
        for (int p = 1; p <= kPositions; ++p) {
            if (s.card[p] != 0 && s.value[p] == v) candidates.Record({s.card[p], 0, 0, 0});
        }
    }

    // Step 5: the best by score, or the first recorded when every candidate scored 0.
    if (candidates.cards.empty()) return {};
    const int chosen = candidates.best == 0 ? 1 : candidates.best;
    std::vector<int> selection;
    for (int card : candidates.cards[static_cast<size_t>(chosen - 1)]) {
        if (card != 0) selection.push_back(card);
    }
    return selection;
}

}  // namespace vorbia
