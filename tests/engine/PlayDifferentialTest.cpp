// Every play of the engine against the reference play written from the rules: which clicks
// are refused and with what message, which cards are taken, the points, the scopa, the score
// caption and bars. On whole matches (VORBIA_SCORED_MATCHES, default 1000) whose human clicks
// at random, with the bookkeeping checked between plays, and on single plays set up on random
// tables (VORBIA_SCORED_TABLES, default 20000).
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <random>

#include "EngineHarness.h"
#include "ReferencePlay.h"
#include "SimulationRun.h"
#include "TableOrders.h"

namespace vorbia {
namespace {

using reference::ClickResult;
using reference::PlayResult;
using reference::Position;

// The reference numbers the players as the game does, 1 the human and 2 the computer.
int NumberOf(Player player) { return static_cast<int>(player); }

long long FromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoll(text) : fallback;
}

// What the engine shows during one click or one play, up to the moment it hands the turn on
// (its first request of the turn colours), in the reference's terms.
struct ObservedTable : HeadlessTable {
    const MatchState* state = nullptr;
    PlayResult seen;
    bool handedOn = false;
    bool cardsLeftSelected = false;
    int beeps = 0;
    std::vector<int> drawnThisHand;
    int matchesEnded = 0;
    int matchesWithoutWinner = 0;

    bool ShowsAnything() const override { return true; }

    void StartWatching() {
        seen = {};
        handedOn = false;
        cardsLeftSelected = false;
        beeps = 0;
    }
    // The card uncovered in the turn before the current one.
    int LastCard() const {
        const size_t drawn = drawnThisHand.size();
        return drawn >= 2 ? drawnThisHand[drawn - 2] : 0;
    }

    void ShowMessage(const std::string& text) override {
        if (!handedOn) seen.messages.push_back(text);
    }
    void Beep() override {
        if (handedOn) return;
        seen.beep = true;
        ++beeps;
    }
    void MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) override {
        HeadlessTable::MoveCard(picture, startLeft, startTop, endLeft, endTop);
        // A card uncovered glides from its pile's left edge.
        if (startLeft == 5 && picture <= kCardCount) drawnThisHand.push_back(picture);
        if (!handedOn && endLeft == -59) seen.leftTheTable.push_back({picture, endTop});
    }
    void HideAllCards() override {
        HeadlessTable::HideAllCards();
        drawnThisHand.clear();
    }
    void SetCaption(Element element, const std::string& text) override {
        if (handedOn ||
            (element != Element::HumanScoreCaption && element != Element::ComputerScoreCaption))
            return;
        seen.captionOf =
            NumberOf(element == Element::HumanScoreCaption ? Player::Human : Player::Computer);
        seen.caption = text;
    }
    void DrawScoreBar(int bar, int right, Colour) override {
        if (handedOn) return;
        seen.barsDrawn = true;
        seen.barRight[static_cast<size_t>(bar)] = right;
    }
    void SetTextColour(Element, Colour) override {
        if (handedOn) return;
        handedOn = true;
        seen.tableAfter = state->TableGrid;
        seen.scoreAfter = state->Score.values;
        std::ranges::sort(seen.leftTheTable);
        cardsLeftSelected = state->Selected.any();
    }
    void ShowEndOfMatch(const MatchState& s) override {
        ++matchesEnded;
        matchesWithoutWinner += std::max(s.Score[Player::Human], s.Score[Player::Computer]) < 51;
    }
};

Position PositionOf(const MatchState& state, const ObservedTable& table, int lastCard) {
    return {.table = state.TableGrid,
            .player = NumberOf(state.Turn),
            .card = state.CurrentCard,
            .lastCard = lastCard,
            .messages = state.ShowMessages,
            .score = state.Score.values,
            .pileTop = {0, table.CardBox(kHumanPile).top, table.CardBox(kComputerPile).top},
            .barWidth = table.ElementBox(Element::HumanScoreBar).width};
}

std::vector<int> TableCards(const MatchState& state, bool selectedOnly = false) {
    std::vector<int> cards;
    for (const auto& row : state.TableGrid) {
        for (int card : row) {
            if (card != 0 && (!selectedOnly || state.Selected[card])) cards.push_back(card);
        }
    }
    return cards;
}

// Between two plays: each card drawn once and laid at most once, selected only on the table;
// CardsDrawn and TableCount agree, and TurnCount counts one turn per card drawn.
std::string BrokenBookkeeping(const MatchState& s) {
    std::array<int, kCardCount + 1> cells{};
    for (int card : TableCards(s)) ++cells[card];
    int drawn = 0;
    int occupied = 0;
    for (int card = 1; card <= kCardCount; ++card) {
        drawn += s.Drawn[card];
        occupied += cells[card];
        if (cells[card] > s.Drawn[card] || (cells[card] == 0 && s.Selected[card]))
            return "card " + std::to_string(card) + " undrawn, twice or selected off the table";
    }
    if (drawn != s.CardsDrawn || occupied != s.TableCount) return "CardsDrawn or TableCount";
    if (s.TurnCount > 41 || (s.TurnCount != drawn && s.TurnCount != drawn + 1))
        return "TurnCount " + std::to_string(s.TurnCount) + " after " + std::to_string(drawn);
    return "";
}

// Plays the clicks and then the card in hand through the engine as its player would, and
// returns "" or what differed from the reference.
std::string PlayAndCompare(MatchEngine& engine, const MatchState& state, ObservedTable& table,
                           const Position& position, const std::vector<int>& clicks) {
    std::string where = "player " + std::to_string(position.player) + " plays " +
                        std::to_string(position.card) + " after " +
                        std::to_string(position.lastCard) + ", clicks";
    for (int card : clicks) where += ' ' + std::to_string(card);
    PlayResult before;
    before.tableAfter = position.table;
    before.scoreAfter = position.score;
    where += "; before, " + reference::Describe(before);

    reference::ReferencePlay expected(position);
    const bool human = position.player == NumberOf(Player::Human);
    for (int card : clicks) {
        table.StartWatching();
        human ? engine.CardClicked(card) : engine.ToggleTableCard(card);
        const ClickResult click{table.seen.messages, TableCards(state, true)};
        if (click != expected.Click(card)) return "click on " + std::to_string(card) + ", " + where;
    }
    table.StartWatching();
    human ? engine.CardClicked(position.card) : engine.PlayCurrentCard(position.card);
    const PlayResult play = expected.Play();
    if (!table.handedOn) return "the turn was not handed on, " + where;
    if (table.seen == play && table.beeps <= 1 && !table.cardsLeftSelected) return "";
    return std::string(table.cardsLeftSelected ? "cards left selected" : "") +
           "\n engine:    " + reference::Describe(table.seen) +
           "\n reference: " + reference::Describe(play) + "\n " + where;
}

// The clicks of a player who tries anything: right captures, sums of exactly 10, sums above or
// below the card's value, any few cards, nothing; now and then a card clicked twice.
struct RandomClicker {
    std::mt19937 dice;

    // Cards adding up to `target`, tried in a random order; empty when none do.
    std::vector<int> AddingUpTo(std::vector<int> cards, int target) {
        std::shuffle(cards.begin(), cards.end(), dice);
        std::vector<int> chosen;
        auto search = [&](auto& self, size_t from, int left) -> bool {
            if (left == 0) return true;
            for (size_t i = from; i < cards.size(); ++i) {
                if (CardValue(cards[i]) > left) continue;
                chosen.push_back(cards[i]);
                if (self(self, i + 1, left - CardValue(cards[i]))) return true;
                chosen.pop_back();
            }
            return false;
        };
        return search(search, 0, target) ? chosen : std::vector<int>{};
    }

    std::vector<int> Clicks(const MatchState& state) {
        std::vector<int> cards = TableCards(state);
        const int v = state.CurrentValue;
        const int above = v + 1 + static_cast<int>(dice() % static_cast<unsigned>(11 - v));
        const int below = 1 + static_cast<int>(dice() % static_cast<unsigned>(v));
        std::vector<int> clicks;
        switch (dice() % 7) {
            case 0:
            case 1:
                clicks = AddingUpTo(cards, v);
                break;
            case 2:
                clicks = AddingUpTo(cards, 10);
                break;
            case 3:
                clicks = AddingUpTo(cards, std::min(above, 10));
                break;
            case 4:
                clicks = AddingUpTo(cards, below);
                break;
            case 5:
                std::shuffle(cards.begin(), cards.end(), dice);
                cards.resize(std::min<size_t>(cards.size(), dice() % 6));
                clicks = cards;
                break;
            default:
                break;
        }
        std::shuffle(clicks.begin(), clicks.end(), dice);
        if (!clicks.empty() && dice() % 4 == 0) {
            const int again = clicks[dice() % clicks.size()];
            clicks.insert(clicks.begin() + static_cast<long>(dice() % (clicks.size() + 1)), again);
            if (dice() % 2 == 0) clicks.push_back(again);
        }
        return clicks;
    }
};

TEST(PlayDifferential, EveryPlayOfWholeMatchesScoresAsTheRulesSay) {
    const long long matches = FromEnvironment("VORBIA_SCORED_MATCHES", 1000);
    const int perSeed = 50;
    long long plays = 0;
    long long scoring = 0;
    for (int seed = 1; static_cast<long long>(seed - 1) * perSeed < matches; ++seed) {
        ObservedTable table;
        MatchState state;
        table.state = &state;
        SeededRandom random(static_cast<uint64_t>(seed) * 7919);
        MatchEngine engine(state, table, random);
        RandomClicker clicker{std::mt19937(static_cast<unsigned>(seed))};
        state.PlayerName[Player::Human] = "Gimbo";
        engine.NewMatch();
        while (table.matchesEnded < perSeed) {
            ASSERT_TRUE(!engine.Busy() && engine.CurrentCardOnPlaySpot())
                << "no player to decide, seed " << seed;
            ASSERT_EQ(BrokenBookkeeping(state), "") << "seed " << seed << ", play " << plays;
            state.ShowMessages = clicker.dice() % 2 == 0;
            const Position before = PositionOf(state, table, table.LastCard());
            std::vector<int> clicks = clicker.Clicks(state);
            if (state.Turn == Player::Computer) {
                const ComputerChoice choice = ChooseComputerCapture(state);
                clicks.assign(choice.begin(), choice.end());
            }
            ASSERT_EQ(PlayAndCompare(engine, state, table, before, clicks), "")
                << "seed " << seed << ", play " << plays;
            scoring += table.seen.scoreAfter != before.score;
            ASSERT_LT(++plays, matches * 1000) << "matches do not end";
        }
        EXPECT_EQ(table.matchesWithoutWinner, 0) << "seed " << seed;
    }
    // Matches whose plays never score would compare little of interest.
    EXPECT_GT(scoring, plays / 5);
}

TEST(PlayDifferential, SimulatorTotalsDoNotDependOnTheThreadCount) {
    auto play = [](int threads) {
        // 600 matches: three blocks to share.
        SimulationOptions options{.matches = 600, .seed = 17, .human = HumanPolicy::Random};
        options.threads = threads;
        options.progress = false;
        const SimulationTotals t = RunSimulation(options).totals;
        return std::tuple(t.won, t.hands, t.finalScores, t.scopas);
    };
    EXPECT_EQ(play(1), play(3));
}

// A hand in progress on a random table: any number of cards up to a full table, in any slots,
// the opponent's last card often one of the table's, any scores.
struct RandomSinglePlay {
    ObservedTable table;
    MatchState state;
    SeededRandom random;
    MatchEngine engine{state, table, random};
    Position position;
    std::vector<int> clicks;

    RandomSinglePlay(std::mt19937& dice, RandomClicker& clicker) : random(dice()) {
        table.state = &state;
        table.ArrangeAsAtHandStart();
        auto below = [&dice](int bound) { return static_cast<int>(dice() % unsigned(bound)); };
        std::vector<int> deck(kCardCount);
        std::iota(deck.begin(), deck.end(), 1);
        std::shuffle(deck.begin(), deck.end(), dice);
        const int current = deck.back();
        deck.pop_back();
        std::vector<int> slots(deck.begin(), deck.begin() + (below(6) == 0 ? kSlots : below(22)));
        slots.resize(kSlots);
        std::shuffle(slots.begin(), slots.end(), dice);

        state.Turn = below(2) == 0 ? Player::Human : Player::Computer;
        state.TurnCount = 10;
        state.ShowMessages = below(2) == 0;
        state.Score = {0, below(56), below(56)};
        int last = below(3) == 0 ? 0 : deck[static_cast<size_t>(below(kCardCount - 1))];
        for (int p = 1; p <= kSlots; ++p) {
            const int card = slots[static_cast<size_t>(p - 1)];
            if (card == 0) continue;
            state.CardAt(kScanOrder[p - 1]) = card;
            const PictureBox slot = engine.SlotPosition(kScanOrder[p - 1]);
            table.HeadlessTable::PlacePicture(card, slot.left, slot.top);
            ++state.TableCount;
            if (CardValue(card) == CardValue(current) && below(2) == 0) last = card;
        }
        testing::SetCurrentAndLast(state, current, last);
        for (int card = 1; card <= kCardCount; ++card) {
            const bool drawn = card == current || card == last || std::ranges::count(slots, card);
            state.Drawn[card] = drawn;
            state.CardsDrawn += drawn;
        }
        const int pile = PileOf(state.Turn);
        table.HeadlessTable::PlacePicture(current, 69, table.CardBox(pile).top);
        position = PositionOf(state, table, last);
        clicks = clicker.Clicks(state);
    }
};

TEST(PlayDifferential, SinglePlaysOnRandomTablesScoreAsTheRulesSay) {
    const long long tables = FromEnvironment("VORBIA_SCORED_TABLES", 20000);
    std::mt19937 dice(51);
    RandomClicker clicker{std::mt19937(2002)};
    long long fullTables = 0;
    for (long long done = 0; done < tables; ++done) {
        RandomSinglePlay play(dice, clicker);
        fullTables += play.state.TableCount == kSlots;
        ASSERT_EQ(PlayAndCompare(play.engine, play.state, play.table, play.position, play.clicks),
                  "")
            << "table " << done;
    }
    EXPECT_GT(fullTables, tables / 10);
}

}  // namespace
}  // namespace vorbia
