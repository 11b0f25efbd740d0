// vorbia-sim: plays many matches without a window, the computer against a chosen human
// policy, and prints who won, the scores, the scopas and the speed.
#include <charconv>
#include <cstring>
#include <iostream>
#include <string_view>
#include <thread>

#include "SimulationRun.h"

namespace {

constexpr const char* kUsage =
    "usage: vorbia-sim [--matches N] [--seed S] [--threads T]\n"
    "                  [--human computer|greedy|random|plain|coach|oracle|peek]\n"
    "                  [--coach-turns N]\n";

template <class Number>
bool ReadNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    vorbia::SimulationOptions options;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (int at = 1; at < argc; ++at) {
        const std::string_view option = argv[at];
        if (option == "--help" || option == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (at + 1 >= argc) {
            std::cerr << "vorbia-sim: " << option << " needs a value\n" << kUsage;
            return 2;
        }
        const std::string_view value = argv[++at];
        bool ok = false;
        if (option == "--matches") {
            ok = ReadNumber(value, options.matches) && options.matches > 0;
        } else if (option == "--seed") {
            ok = ReadNumber(value, options.seed);
        } else if (option == "--coach-turns") {
            ok = ReadNumber(value, options.coachTurns) && options.coachTurns > 0;
        } else if (option == "--threads") {
            ok = ReadNumber(value, options.threads) && options.threads > 0;
        } else if (option == "--human") {
            const auto policy = vorbia::ParseHumanPolicy(value);
            ok = policy.has_value();
            if (ok) options.human = *policy;
        }
        if (!ok) {
            std::cerr << "vorbia-sim: bad option " << option << ' ' << value << '\n' << kUsage;
            return 2;
        }
    }
    const vorbia::SimulationReport report = vorbia::RunSimulation(options);
    vorbia::PrintReport(std::cout, options, report);
    return report.totals.unfinished == 0 ? 0 : 1;
}
