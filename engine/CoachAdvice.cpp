#include "CoachAdvice.h"

#include <vector>

#include "Lookahead.h"

namespace vorbia {

std::string CoachAdviceSentence(const TableGrid& table, Card card, CardSet taken) {
    std::vector<std::string> names;
    for (const auto [slot, onTable] : table.OccupiedSlots()) {
        if (taken.Contains(onTable)) names.push_back(CardName(onTable));
    }
    if (names.empty()) {
        std::vector<uint64_t> captures;
        CapturesOf(table, card.value, captures);
        return captures.empty() ? "nessuna presa possibile, posa la carta"
                                : "conviene posare la carta";
    }
    std::string sentence = "prendi " + names.front();
    for (size_t index = 1; index < names.size(); ++index) {
        sentence += (index + 1 == names.size() ? " e " : ", ") + names[index];
    }
    return sentence;
}

}  // namespace vorbia
