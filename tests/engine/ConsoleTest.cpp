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

struct ConsoleRun {
    Lines lines;
    int exitStatus = -1;
};

ConsoleRun RunConsole(const std::string& script) {
    const auto scriptFile = std::filesystem::temp_directory_path() /
                            ("vorbia-console-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(scriptFile) << script;
    FILE* pipe = ::popen((std::string(VORBIA_CONSOLE) + " < " + scriptFile.string()).c_str(), "r");
    ConsoleRun run;
    for (char line[4096]; std::fgets(line, sizeof line, pipe);) {
        run.lines.emplace_back(line, std::strcspn(line, "\n"));
    }
    const int status = ::pclose(pipe);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::filesystem::remove(scriptFile);
    return run;
}

TEST(Console, SetsUpATableAndPlaysASameSuitScopaThenTheComputersTurn) {
    const ConsoleRun run = RunConsole(
        "# the 7 of Denare takes the 4 and 3 of Denare; the 6 of Spade stays\n"
        "seed 5\nmessages on\n"
        "grid 4 3 36 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
        "turn 1\ncurrent 7\n\n"
        "toggle 4\ntoggle 3\nplay\nstate\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(std::ranges::count(run.lines,
                                 "message E' stata fatta una scopa da 14 punti perchè "
                                 "tutte le carte prese sono dello stesso seme."),
              1);
    // The answer to "state": the computer drew the 2 of Spade and laid it on its own side.
    ASSERT_GE(run.lines.size(), 9u);
    EXPECT_EQ(Lines(run.lines.end() - 9, run.lines.end()),
              (Lines{"Score 14 0", "Turn 1", "TurnCount 2", "CardsDrawn 6", "CurrentCard 11 1 2",
                     "Last 2 4", "TableGrid 0 0 36 0 0 0 0 0 0 0 0 0 0 0 32 0 0 0 0 0 0",
                     "TableCount 2", "Selected"}));
}

TEST(Console, ReportsLinesItCannotUnderstandAndExitsWithOne) {
    const ConsoleRun run = RunConsole("state\nfrobnicate 3\ngrid 1 2 3\nspeed 90\nstate\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(
        std::ranges::count_if(run.lines, [](auto& line) { return line.starts_with("error: "); }),
        3);
    EXPECT_EQ(run.lines.size(), 9u * 2 + 3);
}

TEST(Console, SavesAndLoadsTheSettingsFile) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vorbia-console-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string where = folder.string() + "\n";
    EXPECT_EQ(RunConsole("name Niccolò\nspeed 35\nmessages on\nsave-settings " + where +
                         "name Gimbo\nload-settings " + where)
                  .lines,
              (Lines{"PlayerName=Niccolò", "CardSpeed=35", "ShowMessages=-1"}));
    std::ofstream(folder / "VORBIA.ini") << "VelocitaCarta=70000\r\n";
    EXPECT_EQ(RunConsole("load-settings " + where).lines, Lines{"fatal 6"});
    std::filesystem::remove_all(folder);
}

}  // namespace
