// vorbia-hand-bound: brackets the points a hand that the best fair player makes against the
// computer, between what a fair lookahead reaches and the charged all-seeing player's bound.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <random>
#include <string_view>
#include <thread>
#include <vector>

#include "CommandLine.h"
#include "HandBound.h"

namespace {

constexpr const char* kUsage =
    "usage: vorbia-hand-bound [--hands N] [--seed S] [--threads T]\n"
    "                         [--charge-plies K] [--fair-plies F]\n"
    "                         [--rest-hands R] [--rest-plies P] [--fair-estimating yes|no]\n"
    "  K: plies the charge of a draw looks past it (0: what the card brings at once)\n"
    "  F: plies the fair player looks ahead, its own play included\n"
    "  R: hands that a fair player looking P plies ahead plays first, for an estimate of\n"
    "     the rest of a hand past the charge's last ply (0, the default: none)\n"
    "  --fair-estimating yes: the fair player, too, stands on that estimate past its last ply\n";

struct HandResult {
    double allSeeing = 0;
    double charged = 0;
    double fair = 0;
};

struct Deal {
    std::vector<vorbia::Card> order;
    vorbia::Player first;
};

// A random hand of its own for each index, whatever the number of threads; the hands the
// estimate learns from come from another stream than those it is tried on.
Deal DealHand(uint64_t seed, uint64_t index, bool forLearning) {
    std::vector<uint32_t> words{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32),
                                static_cast<uint32_t>(index), static_cast<uint32_t>(index >> 32)};
    if (forLearning) words.push_back(1);
    std::seed_seq seeds(words.begin(), words.end());
    std::mt19937_64 random(seeds);
    Deal deal{{vorbia::kCardsInDeckOrder.begin(), vorbia::kCardsInDeckOrder.end()},
              vorbia::Player::Human};
    std::shuffle(deal.order.begin(), deal.order.end(), random);
    // The cut gives either player the first draw with the same chance.
    deal.first = random() % 2 == 0 ? vorbia::Player::Human : vorbia::Player::Computer;
    return deal;
}

HandResult PlayHand(uint64_t seed, uint64_t index, int chargePlies, int fairPlies,
                    bool fairEstimating, const vorbia::RestOfHand* rest) {
    const auto [order, first] = DealHand(seed, index, false);
    const vorbia::SeenPosition start = vorbia::HandStart();
    vorbia::HandPoints hand;
    HandResult result;
    result.allSeeing = hand.BestKnowingOrder(start, first, order, std::nullopt);
    if (fairEstimating) hand.EstimateRestWith(rest);
    result.fair = hand.PlayFair(start, first, order, fairPlies).withoutLuck;
    hand.EstimateRestWith(rest);
    result.charged = hand.BestKnowingOrder(start, first, order, chargePlies);
    return result;
}

struct Mean {
    double sum = 0;
    double squares = 0;
    void Add(double value) {
        sum += value;
        squares += value * value;
    }
    void Print(const char* label, long long count) const {
        const auto n = static_cast<double>(count);
        const double mean = sum / n;
        const double variance = std::max(0.0, squares / n - mean * mean) * n / (n - 1);
        std::printf("%-58s %+8.2f  %5.2f\n", label, mean, 1.96 * std::sqrt(variance / n));
    }
};

}  // namespace

int main(int argc, char** argv) {
    long long hands = 200;
    uint64_t seed = 1;
    int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    int chargePlies = 1;
    int fairPlies = 2;
    long long restHands = 0;
    int restPlies = 1;
    bool fairEstimating = false;
    auto take = [&](std::string_view option, std::string_view value) {
        using vorbia::ReadNumber;
        if (option == "--hands") return ReadNumber(value, hands) && hands > 1;
        if (option == "--seed") return ReadNumber(value, seed);
        if (option == "--threads") return ReadNumber(value, threads) && threads > 0;
        if (option == "--charge-plies") return ReadNumber(value, chargePlies) && chargePlies >= 0;
        if (option == "--fair-plies") return ReadNumber(value, fairPlies) && fairPlies > 0;
        if (option == "--rest-hands") return ReadNumber(value, restHands) && restHands >= 0;
        if (option == "--rest-plies") return ReadNumber(value, restPlies) && restPlies > 0;
        if (option == "--fair-estimating") {
            fairEstimating = value == "yes";
            return value == "yes" || value == "no";
        }
        return false;
    };
    if (const auto stop = vorbia::ReadOptions(argc, argv, "vorbia-hand-bound", kUsage, take)) {
        return *stop;
    }
    if (fairEstimating && restHands == 0) {
        std::cerr << "vorbia-hand-bound: --fair-estimating yes needs --rest-hands\n" << kUsage;
        return 2;
    }

    auto inParallel = [threads](auto work) {
        std::vector<std::thread> workers;
        for (int thread = 1; thread < threads; ++thread) workers.emplace_back(work, thread);
        work(0);
        for (std::thread& worker : workers) worker.join();
    };

    std::optional<vorbia::RestOfHand> rest;
    if (restHands > 0) {
        std::vector<vorbia::RestOfHand> learnt(static_cast<size_t>(threads));
        std::atomic<long long> next{0};
        inParallel([&](int thread) {
            vorbia::HandPoints hand;
            for (long long index = next++; index < restHands; index = next++) {
                const auto [order, first] = DealHand(seed, static_cast<uint64_t>(index), true);
                vorbia::ObserveFairHand(hand, order, first, restPlies,
                                        learnt[static_cast<size_t>(thread)]);
            }
        });
        rest.emplace();
        for (const auto& part : learnt) rest->Merge(part);
        rest->Fit();
    }

    std::vector<HandResult> results(static_cast<size_t>(hands));
    std::atomic<long long> next{0};
    inParallel([&](int) {
        for (long long index = next++; index < hands; index = next++) {
            results[static_cast<size_t>(index)] =
                PlayHand(seed, static_cast<uint64_t>(index), chargePlies, fairPlies, fairEstimating,
                         rest ? &*rest : nullptr);
        }
    });

    Mean allSeeing, charged, fair;
    for (const HandResult& result : results) {
        allSeeing.Add(result.allSeeing);
        charged.Add(result.charged);
        fair.Add(result.fair);
    }
    std::printf(
        "vorbia-hand-bound: %lld hands, seed %llu; points a hand, the human's less the "
        "computer's, and the 95 %% interval\n",
        hands, static_cast<unsigned long long>(seed));
    if (rest) {
        std::printf(
            "the rest of a hand estimated from %lld hands of a fair player %d plies ahead\n",
            restHands, restPlies);
    }
    allSeeing.Print("all-seeing", hands);
    char label[64];
    std::snprintf(label, sizeof label, "all-seeing, charged looking %d plies past%s", chargePlies,
                  rest ? ", then estimating" : "");
    charged.Print(label, hands);
    std::snprintf(label, sizeof label, "fair, %d plies ahead%s", fairPlies,
                  fairEstimating ? ", then estimating" : "");
    fair.Print(label, hands);
    return 0;
}
