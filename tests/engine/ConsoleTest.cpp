// The engine console from outside, as scripts use it: commands in, requests and answers out.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ConsoleRun {
    std::vector<std::string> lines;
    int exitStatus = -1;

    bool Has(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

ConsoleRun RunConsole(const std::string& script) {
    const auto scriptFile = std::filesystem::temp_directory_path() /
                            ("vorbia-console-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(scriptFile) << script;
    ConsoleRun run;
    const std::string command = std::string(VORBIA_CONSOLE) + " < " + scriptFile.string();
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    std::string text;
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    const int status = ::pclose(pipe);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) run.lines.push_back(line);
    std::filesystem::remove(scriptFile);
    return run;
}

TEST(Console, SetsUpATableAndPlaysASameSuitScopa) {
    const ConsoleRun run = RunConsole(
        "# the 7 of Denare takes the 4 and 3 of Denare; the 6 of Spade stays\n"
        "seed 5\n"
        "messages on\n"
        "grid 4 3 36 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
        "turn 1\n"
        "current 7\n"
        "\n"
        "toggle 4\n"
        "toggle 3\n"
        "play\n"
        "state\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_TRUE(run.Has("frame 4 black"));
    EXPECT_TRUE(run.Has("frame 3 black"));
    EXPECT_TRUE(run.Has("move 7 69 562 163 315"));
    EXPECT_TRUE(run.Has(
        "message E' stata fatta una scopa da 14 punti perchè tutte le carte prese sono dello "
        "stesso seme."));
    EXPECT_TRUE(run.Has("caption Label1(0) Punti: 14"));
    EXPECT_TRUE(run.Has("Score 14 0"));
    // The answer to "state" is the last nine lines, in their fixed order.
    ASSERT_GE(run.lines.size(), 9u);
    const std::vector<std::string> state(run.lines.end() - 9, run.lines.end());
    EXPECT_EQ(state[0], "Score 14 0");
    EXPECT_EQ(state[1], "Turn 1");
    EXPECT_EQ(state[2].rfind("TurnCount ", 0), 0u);
    EXPECT_EQ(state[3].rfind("CardsDrawn ", 0), 0u);
    EXPECT_EQ(state[4].rfind("CurrentCard ", 0), 0u);
    EXPECT_EQ(state[5].rfind("Last ", 0), 0u);
    EXPECT_EQ(state[6].rfind("TableGrid 0 0 36 ", 0), 0u);
    EXPECT_EQ(state[7].rfind("TableCount ", 0), 0u);
    EXPECT_EQ(state[8].rfind("Selected", 0), 0u);
}

TEST(Console, ReportsLinesItCannotUnderstandAndExitsWithOne) {
    const ConsoleRun run = RunConsole("state\nfrobnicate 3\ngrid 1 2 3\nspeed 90\nstate\n");
    EXPECT_EQ(run.exitStatus, 1);
    int errors = 0;
    for (const auto& line : run.lines) errors += line.rfind("error: ", 0) == 0;
    EXPECT_EQ(errors, 3);
    EXPECT_EQ(run.lines.size(), 9u * 2 + 3);
}

TEST(Console, LoadsAndSavesTheSettingsFile) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vorbia-console-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const ConsoleRun saved = RunConsole("name Niccolò\nspeed 35\nmessages on\nsave-settings " +
                                        folder.string() + "\n");
    EXPECT_EQ(saved.exitStatus, 0);
    const ConsoleRun loaded = RunConsole("load-settings " + folder.string() + "\n");
    EXPECT_EQ(loaded.lines,
              (std::vector<std::string>{"PlayerName=Niccolò", "CardSpeed=35", "ShowMessages=-1"}));

    std::ofstream(folder / "VORBIA.ini") << "VelocitaCarta=70000\r\n";
    const ConsoleRun fatal = RunConsole("load-settings " + folder.string() + "\n");
    EXPECT_EQ(fatal.lines, (std::vector<std::string>{"fatal 6"}));
    std::filesystem::remove_all(folder);
}

TEST(Console, ANewMatchRunsTheComputersTurnsUntilTheHumanMustDecide) {
    const ConsoleRun run = RunConsole("seed 11\nnewmatch\nstate\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_TRUE(run.Has("Turn 1"));
    // The hand started with the message, and the human's card waits on its play spot.
    int messages = 0;
    for (const auto& line : run.lines) messages += line.rfind("message Dopo aver rimescolato", 0) == 0;
    EXPECT_EQ(messages, 1);
    const std::string& lastMove = *std::find_if(run.lines.rbegin(), run.lines.rend(), [](const std::string& line) {
        return line.rfind("move ", 0) == 0;
    });
    EXPECT_NE(lastMove.find(" 69 562"), std::string::npos) << lastMove;
}

}  // namespace
