// The coach's advice as a screen reader speaks it.
#include <gtest/gtest.h>

#include "CoachAdvice.h"

namespace vorbia {
namespace {

TEST(CoachAdviceSentence, NamesTheCardsToTakeInScanOrderOrSaysToLayTheCard) {
    // In scan order: 4 di Spade (row 0), then Asso di Denare and 3 di Coppe (row 1).
    const Card four{Suit::Spade, 4}, ace{Suit::Denare, 1}, three{Suit::Coppe, 3};
    TableGrid table;
    table.Put({1, 5}, three);
    table.Put({1, 0}, ace);
    table.Put({0, 6}, four);
    const struct {
        int played;  // a Bastoni card's value
        std::vector<Card> taken;
        const char* said;
    } cases[] = {
        {3, {three}, "prendi 3 di Coppe"},
        {7, {three, four}, "prendi 4 di Spade e 3 di Coppe"},
        {8, {three, ace, four}, "prendi 4 di Spade, Asso di Denare e 3 di Coppe"},
        {1, {}, "conviene posare la carta"},
        {9, {}, "nessuna presa possibile, posa la carta"},  // no set adds up to 9
    };
    for (const auto& c : cases) {
        CardSet taken;
        for (const Card card : c.taken) taken.Add(card);
        const Card played{Suit::Bastoni, static_cast<uint8_t>(c.played)};
        EXPECT_EQ(CoachAdviceSentence(table, played, taken), c.said) << c.played;
    }
}

}  // namespace
}  // namespace vorbia
