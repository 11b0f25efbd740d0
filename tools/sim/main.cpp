// vorbia-sim: plays many matches without a window, the computer against a chosen human
// policy, and prints who won, the scores, the scopas and the speed.
#include <iostream>
#include <string_view>
#include <thread>

#include "CommandLine.h"
#include "SimulationRun.h"

namespace {

constexpr const char* kUsage =
    "usage: vorbia-sim [--matches N] [--seed S] [--threads T]\n"
    "                  [--human computer|greedy|random|plain|coach|oracle|peek]\n"
    "                  [--coach-turns N]\n";

}  // namespace

int main(int argc, char** argv) {
    vorbia::SimulationOptions options;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    auto take = [&options](std::string_view option, std::string_view value) {
        using vorbia::ReadNumber;
        if (option == "--matches") return ReadNumber(value, options.matches) && options.matches > 0;
        if (option == "--seed") return ReadNumber(value, options.seed);
        if (option == "--coach-turns") {
            return ReadNumber(value, options.coachTurns) && options.coachTurns > 0;
        }
        if (option == "--threads") return ReadNumber(value, options.threads) && options.threads > 0;
        if (option == "--human") {
            const auto policy = vorbia::ParseHumanPolicy(value);
            if (policy) options.human = *policy;
            return policy.has_value();
        }
        return false;
    };
    if (const auto stop = vorbia::ReadOptions(argc, argv, "vorbia-sim", kUsage, take)) {
        return *stop;
    }
    const vorbia::SimulationReport report = vorbia::RunSimulation(options);
    vorbia::PrintReport(std::cout, options, report);
    return report.totals.unfinished == 0 ? 0 : 1;
}
