#include "SimulationRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iomanip>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

namespace vorbia {

namespace {

constexpr long long kBlock = 256;

void DrawProgress(long long done, long long total) {
    constexpr int kWidth = 40;
    const int filled = static_cast<int>(done * kWidth / std::max(total, 1LL));
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(kWidth, '.');
    std::fprintf(stderr, "\r[%s] %3lld%%", bar.c_str(), done * 100 / std::max(total, 1LL));
    std::fflush(stderr);
}

double PerMatch(long long sum, long long matches) {
    return matches == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(matches);
}

}  // namespace

void SimulationTotals::Add(const MatchResult& match) {
    ++matches;
    hands += match.hands;
    if (match.finished) {
        ++won[match.winner];
    } else {
        ++unfinished;
    }
    for (const Player player : {Player::Human, Player::Computer}) {
        finalScores[player] += match.finalScore[player];
        for (size_t kind = 0; kind < kScopaKinds; ++kind) {
            scopas[player][kind] += match.scopas[player][kind];
        }
    }
}

void SimulationTotals::Add(const SimulationTotals& other) {
    matches += other.matches;
    unfinished += other.unfinished;
    hands += other.hands;
    for (const Player player : {Player::Human, Player::Computer}) {
        won[player] += other.won[player];
        finalScores[player] += other.finalScores[player];
        for (size_t kind = 0; kind < kScopaKinds; ++kind) {
            scopas[player][kind] += other.scopas[player][kind];
        }
    }
}

SimulationReport RunSimulation(const SimulationOptions& options) {
    const long long blocks = (options.matches + kBlock - 1) / kBlock;
    std::vector<SimulationTotals> blockTotals(static_cast<size_t>(blocks));
    std::atomic<long long> nextBlock{0};
    std::atomic<long long> matchesDone{0};
    std::atomic<int> workersLeft{std::max(options.threads, 1)};
    std::mutex mutex;
    std::condition_variable allDone;

    auto work = [&] {
        for (long long block = nextBlock++; block < blocks; block = nextBlock++) {
            const long long first = block * kBlock;
            const long long last = std::min(first + kBlock, options.matches);
            SimulationTotals& totals = blockTotals[static_cast<size_t>(block)];
            for (long long index = first; index < last; ++index) {
                totals.Add(PlayMatch(MatchSeed(options.seed, static_cast<uint64_t>(index)),
                                     options.human, options.coachTurns));
            }
            matchesDone += last - first;
        }
        if (--workersLeft == 0) {
            std::lock_guard lock(mutex);
            allDone.notify_all();
        }
    };

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (int thread = 0; thread < std::max(options.threads, 1); ++thread)
        workers.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        bool drawn = false;
        while (!allDone.wait_for(lock, std::chrono::milliseconds(100),
                                 [&] { return workersLeft == 0; })) {
            if (!options.progress) continue;
            if (std::chrono::steady_clock::now() - start < std::chrono::seconds(1)) continue;
            DrawProgress(matchesDone, options.matches);
            drawn = true;
        }
        if (drawn) {
            DrawProgress(options.matches, options.matches);
            std::fputc('\n', stderr);
        }
    }
    for (std::thread& worker : workers) worker.join();

    SimulationReport report;
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const SimulationTotals& block : blockTotals) report.totals.Add(block);
    return report;
}

void PrintReport(std::ostream& out, const SimulationOptions& options,
                 const SimulationReport& report) {
    const SimulationTotals& t = report.totals;
    const char* kindNames[kScopaKinds] = {"empty table", "last card", "same suit"};
    out << "vorbia-sim: " << t.matches << " matches, seed " << options.seed << ", human "
        << HumanPolicyName(options.human);
    if (options.human == HumanPolicy::Coach) {
        out << " (" << options.coachTurns << " turns ahead, more near the end of a hand)";
    }
    out << ", " << options.threads << " thread" << (options.threads == 1 ? "" : "s") << '\n'
        << std::fixed << std::setprecision(2) << std::left << std::setw(28) << "" << std::right
        << std::setw(12) << "human" << std::setw(12) << "computer" << '\n';
    auto row = [&out](const std::string& name, auto human, auto computer) {
        out << std::left << std::setw(28) << name << std::right << std::setw(12) << human
            << std::setw(12) << computer << '\n';
    };
    constexpr Player human = Player::Human;
    constexpr Player computer = Player::Computer;
    row("matches won", t.won[human], t.won[computer]);
    row("mean final score", PerMatch(t.finalScores[human], t.matches),
        PerMatch(t.finalScores[computer], t.matches));
    for (size_t kind = 0; kind < kScopaKinds; ++kind) {
        row(std::string("scopas, ") + kindNames[kind], t.scopas[human][kind],
            t.scopas[computer][kind]);
    }
    out << std::left << std::setw(28) << "mean hands per match" << std::right << std::setw(12)
        << PerMatch(t.hands, t.matches) << '\n';
    if (t.unfinished > 0) out << "matches that stopped before a winner: " << t.unfinished << '\n';
    out << std::left << std::setw(28) << "matches per second" << std::right << std::setw(12)
        << std::setprecision(0)
        << (report.seconds > 0 ? static_cast<double>(t.matches) / report.seconds : 0.0) << '\n';
}

}  // namespace vorbia
