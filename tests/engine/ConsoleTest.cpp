// The engine console from outside, as scripts use it: commands in, requests and answers out.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(Console, PlaysASameSuitScopaOnATableItSetUpAndReportsWhatItCannotUnderstand) {
    const auto script = std::filesystem::temp_directory_path() /
                        ("vorbia-console-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(script) << "# the 7 of Denare takes the 4 and 3 of Denare; the 6 of Spade stays\n"
                             "seed 5\nmessages on\n"
                             "grid 4 3 36 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
                             "turn 1\ncurrent 7\n\n"
                             "toggle 4\ntoggle 3\nplay\n"
                             "frobnicate 3\ngrid 1 2 3\nspeed 90\nstate\n";
    FILE* pipe = ::popen((std::string(VORBIA_CONSOLE) + " < " + script.string()).c_str(), "r");
    Lines lines;
    for (char line[4096]; std::fgets(line, sizeof line, pipe);) {
        lines.emplace_back(line, std::strcspn(line, "\n"));
    }
    const int status = ::pclose(pipe);
    std::filesystem::remove(script);
    EXPECT_EQ(WEXITSTATUS(status), 1);  // for the three lines it could not understand
    auto starting = [&lines](const std::string& prefix) {
        return std::ranges::count_if(lines, [&](auto& line) { return line.starts_with(prefix); });
    };
    EXPECT_EQ(starting("error: "), 3);
    EXPECT_EQ(starting("message E' stata fatta una scopa da 14 punti perchè tutte le carte"), 1);
    // The answer to "state": the computer drew the 2 of Spade and laid it on its own side.
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(Lines(lines.end() - 9, lines.end()),
              (Lines{"Score 14 0", "Turn 1", "TurnCount 2", "CardsDrawn 6", "CurrentCard 11 1 2",
                     "Last 2 4", "TableGrid 0 0 36 0 0 0 0 0 0 0 0 0 0 0 32 0 0 0 0 0 0",
                     "TableCount 2", "Selected"}));
}

}  // namespace
