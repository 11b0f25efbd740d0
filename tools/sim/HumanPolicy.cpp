#include "HumanPolicy.h"

#include <algorithm>
#include <array>

#include "Card.h"
#include "ComputerSearch.h"
#include "Lookahead.h"

namespace vorbia {

namespace {

struct TableCards {
    std::array<Card, kSlots> card{};
    int count = 0;
};

TableCards CardsInScanOrder(const MatchState& state) {
    TableCards table;
    for (const auto [slot, card] : state.Table.OccupiedSlots()) table.card[table.count++] = card;
    return table;
}

// Calls found(set) for every set of table cards adding up to target, as a bit set of indices,
// sets of lower indices first. Every value is at least 1, so the sum bounds the search.
template <class Found>
void EachCapture(const TableCards& table, int target, int first, int sum, uint32_t set,
                 Found& found) {
    for (int index = first; index < table.count; ++index) {
        const int newSum = sum + table.card[index].value;
        if (newSum > target) continue;
        const uint32_t newSet = set | (1u << index);
        if (newSum == target) {
            found(newSet);
        } else {
            EachCapture(table, target, index + 1, newSum, newSet, found);
        }
    }
}

void SelectSet(const TableCards& table, uint32_t set, std::vector<Card>& selection) {
    for (int index = 0; index < table.count; ++index) {
        if (set & (1u << index)) selection.push_back(table.card[index]);
    }
}

}  // namespace

std::optional<HumanPolicy> ParseHumanPolicy(std::string_view name) {
    if (name == "computer") return HumanPolicy::Computer;
    if (name == "greedy") return HumanPolicy::Greedy;
    if (name == "random") return HumanPolicy::Random;
    if (name == "plain") return HumanPolicy::Plain;
    if (name == "coach") return HumanPolicy::Coach;
    if (name == "oracle") return HumanPolicy::Oracle;
    if (name == "peek") return HumanPolicy::Peek;
    return std::nullopt;
}

const char* HumanPolicyName(HumanPolicy policy) {
    switch (policy) {
        case HumanPolicy::Computer:
            return "computer";
        case HumanPolicy::Greedy:
            return "greedy";
        case HumanPolicy::Random:
            return "random";
        case HumanPolicy::Plain:
            return "plain";
        case HumanPolicy::Coach:
            return "coach";
        case HumanPolicy::Oracle:
            return "oracle";
        case HumanPolicy::Peek:
            return "peek";
    }
    return "?";
}

void SimulatedHuman::PlayTurn(MatchEngine& engine, const MatchState& state) {
    for (const Card card : Choose(state)) engine.ToggleTableCard(card);
    engine.PlayCurrentCard(*state.CurrentCard);
}

const std::vector<Card>& SimulatedHuman::Choose(const MatchState& state) {
    selection_.clear();
    switch (policy_) {
        case HumanPolicy::Computer:
            for (const Card card : ChooseComputerCapture(state)) selection_.push_back(card);
            break;
        case HumanPolicy::Greedy:
            ChooseGreedy(state);
            break;
        case HumanPolicy::Random:
            ChooseRandom(state);
            break;
        case HumanPolicy::Plain:
            break;
        case HumanPolicy::Coach: {
            const CardSet advice = ChooseCoachCapture(state, coachTurns_);
            for (int position = 0; position < kCardCount; ++position) {
                const Card card = CardAtDeckPosition(position);
                if (advice.Contains(card)) selection_.push_back(card);
            }
            break;
        }
        case HumanPolicy::Oracle:
            ChooseWithOrder(state, kCardCount);
            break;
        case HumanPolicy::Peek:
            ChooseWithOrder(state, 1);
            break;
    }
    return selection_;
}

void SimulatedHuman::ChooseGreedy(const MatchState& state) {
    const TableCards table = CardsInScanOrder(state);
    uint32_t best = 0;
    int bestPoints = -1;
    int bestCount = 0;
    auto consider = [&](uint32_t set) {
        int points = 0;
        int count = 0;
        for (int index = 0; index < table.count; ++index) {
            if (!(set & (1u << index))) continue;
            points += CardPoints(table.card[index]);
            ++count;
        }
        if (points > bestPoints || (points == bestPoints && count > bestCount)) {
            best = set;
            bestPoints = points;
            bestCount = count;
        }
    };
    EachCapture(table, state.CurrentCard->value, 0, 0, 0u, consider);
    if (bestPoints >= 0) SelectSet(table, best, selection_);
}

void SimulatedHuman::ChooseRandom(const MatchState& state) {
    const TableCards table = CardsInScanOrder(state);
    captures_.clear();
    auto keep = [this](uint32_t set) { captures_.push_back(set); };
    EachCapture(table, state.CurrentCard->value, 0, 0, 0u, keep);
    // One more choice than there are captures: laying the card without taking anything.
    const uint64_t pick = dice_() % (captures_.size() + 1);
    if (pick < captures_.size()) SelectSet(table, captures_[pick], selection_);
}

// While the cards are known the lookahead has no chance to weigh: only the human's choices
// branch, and it can look much further within the same work.
void SimulatedHuman::ChooseWithOrder(const MatchState& state, int cardsKnown) {
    constexpr long long kMostNodes = 400000;
    if (state.Table.Empty()) return;
    SeededRandom generator = *deckOrder_;
    CardSet drawn = state.Drawn;
    std::vector<Card> order;
    while (drawn.Count() < kCardCount && static_cast<int>(order.size()) < cardsKnown) {
        const Card card = generator.NextCardNotDrawn(drawn);
        drawn.Add(card);
        order.push_back(card);
    }
    SeenPosition position;
    position.table = state.Table;
    position.deck = UndrawnCards(state);
    position.score = state.Score;
    LookaheadSearch search;
    search.KnowOrder(order);
    uint64_t best = 0;
    // Past the known cards it looks as far as the coach.
    const int deepest = std::max(static_cast<int>(order.size()), coachTurns_);
    for (int turns = 1; turns <= deepest; ++turns) {
        const long long before = search.Nodes();
        best = search.BestPlay(position, *state.CurrentCard, state.LastCard, turns);
        // A human's turn multiplies the positions by its choices, a few at most.
        if ((search.Nodes() - before) * 4 > kMostNodes) break;
    }
    for (uint64_t bits = best; bits != 0; bits &= bits - 1) {
        selection_.push_back(CardAtDeckPosition(std::countr_zero(bits)));
    }
}

}  // namespace vorbia
