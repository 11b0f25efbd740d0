// The computer's choice on hand-built tables, one step of its search at a time. The literal
// search must agree on each, so a wrong expectation here cannot hide behind the fast search.
#include <gtest/gtest.h>

#include <sstream>

#include "EngineHarness.h"
#include "LiteralComputerSearch.h"

namespace vorbia {
namespace {

// A card as its suit's initial and its value: "C6" is the 6 of Coppe.
int CardNamed(const std::string& word) {
    return static_cast<int>(std::string("DCBS").find(word[0])) * 10 + std::stoi(word.substr(1));
}

std::vector<int> CardsNamed(const std::string& words) {
    std::istringstream in(words);
    std::vector<int> cards;
    for (std::string word; in >> word;) cards.push_back(CardNamed(word));
    return cards;
}

struct Case {
    const char* behaviour;
    const char* current;  // the computer's card
    const char* last;     // the card the human laid in the turn before
    const char* table;    // row by row from the human's side, "/" between rows, "." empty
    const char* choice;
};

const Case kCases[] = {
    {"the human's last card first", "B6", "C6", "B2 B4 / . . C6", "C6"},
    {"another 6: the same-suit pair", "B6", "C6", "B2 B4 / . . D6", "B2 B4"},
    {"a same-suit pair before a single card", "D7", "C5", "S7 D4 / / . . . . D3", "D4 D3"},
    {"a same-suit four before a three", "C10", "S5", "C1 C2 C3 C4 / . . . . C7", "C1 C2 C3 C4"},
    {"four in one column fail: the same-suit three", "C10", "S5", "C1 C2 C3 / C4 . . . C7",
     "C1 C2 C7"},
    {"a point card beats worthless captures", "D9", "C2", "B4 S5 / . C9", "C9"},
    {"nothing scores: the pair found first", "D5", "C8", "S5 C2 / B3", "C2 B3"},
    {"three in neither different rows nor columns", "D6", "C8", "C1 B2 / S3", ""},
    {"three in different columns", "D6", "C8", "C1 B2 / . . S3", "C1 B2 S3"},
    {"an Asso takes only an Asso", "D1", "C8", "S10 D2 / / . . . . . . B1", "B1"},
    {"an Asso takes nothing else", "D1", "C8", "S10 D2", ""},
    {"one point each: the four found first", "D10", "C6", "S10 B1 / . . D2 / . . . S3 C4",
     "B1 D2 S3 C4"},
    {"more points beat more cards", "D10", "C6", ". B1 / . . D2 / . . . S3 C4 S9", "B1 S9"},
};

TEST(ComputerChoice, FollowsTheStepsOfItsSearchInOrder) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.behaviour);
        MatchState state;
        std::istringstream rows(c.table);
        int row = 1;
        int column = 1;
        for (std::string word; rows >> word; ++column) {
            if (word == "/") {
                ++row;
                column = 0;
            } else if (word != ".") {
                state.TableGrid[row][column] = static_cast<int16_t>(CardNamed(word));
                ++state.TableCount;
            }
        }
        testing::SetCurrentAndLast(state, CardNamed(c.current), CardNamed(c.last));
        const ComputerChoice choice = ChooseComputerCapture(state);
        EXPECT_EQ(std::vector<int>(choice.begin(), choice.end()), CardsNamed(c.choice));
        EXPECT_EQ(LiteralComputerCapture(state), CardsNamed(c.choice));
    }
}

}  // namespace
}  // namespace vorbia
