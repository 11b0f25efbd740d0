// The coach's advice as a screen reader speaks it.
#include <gtest/gtest.h>

#include "CoachAdvice.h"

namespace vorbia {
namespace {

TEST(CoachAdviceSentence, NamesTheCardsToTakeInScanOrderOrSaysToLayTheCard) {
    // On the table, in scan order: 4 di Spade (row 0), Asso di Denare, 3 di Coppe (row 1).
    const Card four{Suit::Spade, 4}, ace{Suit::Denare, 1}, three{Suit::Coppe, 3};
    TableGrid table;
    table.Put({1, 5}, three);
    table.Put({1, 0}, ace);
    table.Put({0, 6}, four);
    const auto set = [](std::initializer_list<Card> cards) {
        CardSet taken;
        for (const Card card : cards) taken.Add(card);
        return taken;
    };
    const struct {
        Card played;
        CardSet taken;
        const char* said;
    } cases[] = {
        {{Suit::Bastoni, 3}, set({three}), "prendi 3 di Coppe"},
        {{Suit::Bastoni, 7}, set({three, four}), "prendi 4 di Spade e 3 di Coppe"},
        {{Suit::Denare, 8},
         set({three, ace, four}),
         "prendi 4 di Spade, Asso di Denare e 3 di Coppe"},
        {{Suit::Coppe, 1}, {}, "conviene posare la carta"},
        // No set of these cards adds up to 9.
        {{Suit::Coppe, 9}, {}, "nessuna presa possibile, posa la carta"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CoachAdviceSentence(table, c.played, c.taken), c.said) << CardName(c.played);
    }
}

}  // namespace
}  // namespace vorbia
