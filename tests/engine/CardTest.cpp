#include <gtest/gtest.h>

#include "Card.h"

namespace vorbia {
namespace {

TEST(Card, SplitsIntoSuitAndValueWithTensAsRe) {
    EXPECT_EQ(SplitCard(10).suit, 1);
    EXPECT_EQ(SplitCard(10).value, 10);
    EXPECT_EQ(SplitCard(11).suit, 2);
    EXPECT_EQ(SplitCard(11).value, 1);
    EXPECT_EQ(SplitCard(40).suit, 4);
    EXPECT_EQ(SplitCard(40).value, 10);
    // "No previous card" reads as value 10 of suit 0.
    EXPECT_EQ(SplitCard(0).suit, 0);
    EXPECT_EQ(SplitCard(0).value, 10);
}

TEST(Card, SeventeenPointCards) {
    const int pointCards[] = {1, 8, 9, 10, 11, 18, 19, 20, 21, 28, 29, 30, 31, 32, 38, 39, 40};
    int total = 0;
    for (int card = 0; card <= 41; ++card) total += CardPoints(card);
    EXPECT_EQ(total, 17);
    for (int card : pointCards) EXPECT_EQ(CardPoints(card), 1) << card;
    EXPECT_EQ(CardPoints(2), 0);
    EXPECT_EQ(CardPoints(22), 0);
}

TEST(Card, NamesAndEndings) {
    EXPECT_EQ(ValueName(1), "Asso");
    EXPECT_EQ(ValueName(7), "7");
    EXPECT_EQ(ValueName(9), "Cavallo");
    EXPECT_EQ(HumanCaption("Anna"), "Anna (Umana)");
    EXPECT_EQ(HumanCaption("ANDREA"), "ANDREA (Umana)");
    EXPECT_EQ(HumanCaption("Gimbo"), "Gimbo (Umano)");
    EXPECT_EQ(HumanCaption(""), " (Umano)");
    EXPECT_EQ(NameEnding("Dino (Computer)"), "o");
}

}  // namespace
}  // namespace vorbia
