#include "CoachAdvice.h"

#include <vector>

#include "Lookahead.h"

namespace vorbia {

std::string CoachAdviceSentence(const TableGrid& table, Card card, CardSet taken) {
    std::vector<Card> cards;
    for (const auto [slot, onTable] : table.OccupiedSlots()) {
        if (taken.Contains(onTable)) cards.push_back(onTable);
    }
    if (cards.empty()) {
        std::vector<uint64_t> captures;
        CapturesOf(table, card.value, captures);
        return captures.empty() ? "nessuna presa possibile, posa la carta"
                                : "conviene posare la carta";
    }
    return "prendi " + CardNames(cards);
}

}  // namespace vorbia
