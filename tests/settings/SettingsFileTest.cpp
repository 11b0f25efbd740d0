#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Card.h"
#include "SettingsFile.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;

class SettingsFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        static int folderCount = 0;
        folder_ = fs::temp_directory_path() / ("vorbia-settings-" + std::to_string(::getpid()) +
                                               "-" + std::to_string(++folderCount));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string Contents(const std::string& name) {
        std::ostringstream bytes;
        bytes << std::ifstream(folder_ / name, std::ios::binary).rdbuf();
        return bytes.str();
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    MatchState Load() {
        MatchState state;
        const LoadResult result = LoadSettings(state, folder_);
        EXPECT_TRUE(result.ok) << "error " << result.errorNumber;
        return state;
    }
    int LoadError() {
        MatchState state;
        const LoadResult result = LoadSettings(state, folder_);
        EXPECT_EQ(result.ok, result.errorNumber == 0);
        return result.errorNumber;
    }
    MatchState LoadFile(const std::string& bytes) {
        Put("vorbia.ini", bytes);
        return Load();
    }

    fs::path folder_;
};

struct Settings {
    std::string name;
    int speed;
    int messages;
};

void ExpectSettings(const MatchState& state, const Settings& expected, const std::string& what) {
    EXPECT_EQ(state.PlayerName[kHuman], expected.name) << what;
    EXPECT_EQ(state.CardSpeed, expected.speed) << what;
    EXPECT_EQ(state.ShowMessages, expected.messages) << what;
}

using SettingsLoad = SettingsFolder;

TEST_F(SettingsLoad, WithoutFileDefaultsAndRangeRulesApply) {
    ExpectSettings(Load(), {"", 10, 0}, "no file");

    MatchState started;
    started.PlayerName[kHuman] = "Niccolòòòòòò";
    started.CardSpeed = 60;
    started.ShowMessages = 1;
    ASSERT_TRUE(LoadSettings(started, folder_).ok);
    ExpectSettings(started, {"Niccolòòòò", 10, 0}, "cut by characters, not bytes");
}

struct FileCase {
    std::string bytes;
    Settings expected;
};

TEST_F(SettingsLoad, ReadingRules) {
    const FileCase cases[] = {
        {"VelocitaCarta=50\r\nDisplayMessaggi=-1 \r\n", {"", 50, -1}},
        {"VelocitaCarta=51\r\nDisplayMessaggi=1\r\n", {"", 10, 0}},
        {"VelocitaCarta=9\r\nDisplayMessaggi=&HFFFF\r\n", {"", 10, -1}},
        {"Giocatore1=   Mario Rossini\r\n", {"Mario Ross", 10, 0}},
        {"Giocatore1=\tUgo  \r\n", {"\tUgo  ", 10, 0}},
        {"giocatore1=Ugo\r\nVelocitaCarta=20\r\n", {"", 20, 0}},
        {"Giocatore1=Primo\r\nGiocatore1=Secondo\r\n", {"Secondo", 10, 0}},
        {"DisplayMessaggi=-1 Giocatore1=Bob\r\n", {"-1 Giocato", 10, 0}},
        {"x=35 VelocitaCarta=20\r\n", {"", 35, 0}},
        {"Giocatore1=Niccol\xF2 \x80\r\n", {"Niccolò €", 10, 0}},
        {"Giocatore1=Ugo\rVelocitaCarta=40", {"Ugo", 40, 0}},
        // Bare LF ends make one long line: only its first key counts, and the name stops at LF.
        {"Giocatore1=Gimbo\nVelocitaCarta=25\nDisplayMessaggi=-1\n", {"Gimbo", 10, 0}},
        {"VelocitaCarta=25\nDisplayMessaggi=-1\n", {"", 25, 0}}};
    for (const FileCase& test : cases) {
        ExpectSettings(LoadFile(test.bytes), test.expected, test.bytes);
    }
}

TEST_F(SettingsLoad, LargeFileWithMegabyteLines) {
    std::string bytes;
    for (int line = 0; line < 100'000; ++line) bytes += "; riga senza chiave\r\n";
    bytes += std::string(2'000'000, 'x') + "\r\n";
    bytes += "VelocitaCarta=" + std::string(1'000'000, '0') + "35\r\n";
    bytes += "Giocatore1=" + std::string(1'000'000, ' ') + "Lunghissimo nome\r\n";
    ExpectSettings(LoadFile(bytes), {"Lunghissim", 35, 0}, "large file");
}

TEST_F(SettingsLoad, FailuresGiveTheStartUpErrorNumber) {
    MatchState state;
    Put("vorbia.ini", "Giocatore1=Ugo\r\nVelocitaCarta=40000\r\nVelocitaCarta=20\r\n");
    EXPECT_EQ(LoadSettings(state, folder_).errorNumber, kErrorOverflow);
    ExpectSettings(state, {"", 0, 0}, "a failed load changes nothing");
    Put("vorbia.ini", "DisplayMessaggi=-32769\r\n");
    EXPECT_EQ(LoadError(), kErrorOverflow);

    fs::remove(folder_ / "vorbia.ini");
    fs::create_directory(folder_ / "Vorbia.INI");
    EXPECT_EQ(LoadError(), kErrorFileAccess);
}

TEST_F(SettingsLoad, FindsTheFileWhateverTheCasePreferringTheWrittenName) {
    Put("VORBIA.INI", "VelocitaCarta=20\r\n");
    EXPECT_EQ(Load().CardSpeed, 20);
    Put("vorbia.ini", "VelocitaCarta=30\r\n");
    Put("VORBIA.ini", "VelocitaCarta=40\r\n");
    EXPECT_EQ(Load().CardSpeed, 40);
}

using SettingsSave = SettingsFolder;

MatchState StateWith(const Settings& settings) {
    MatchState state;
    state.PlayerName[kHuman] = settings.name;
    state.CardSpeed = static_cast<int16_t>(settings.speed);
    state.ShowMessages = static_cast<int16_t>(settings.messages);
    return state;
}

TEST_F(SettingsSave, WritesTheFiveLinesExactly) {
    ASSERT_TRUE(SaveSettings(StateWith({"Gimbo", 10, -1}), folder_).ok);
    const std::string expected =
        "; File di inizializzazione per 'La VORBIA'\r\n"
        "; Non manomettere assolutamente queste righe!\r\n"
        "Giocatore1=Gimbo\r\nVelocitaCarta= 10 \r\nDisplayMessaggi=-1 \r\n";
    EXPECT_EQ(Contents("VORBIA.ini"), expected);
    EXPECT_EQ(expected.size(), 150u);
    EXPECT_EQ(Names(), std::vector<std::string>{"VORBIA.ini"});
}

TEST_F(SettingsSave, NamesRoundTripThroughTheCodePage) {
    const Settings cases[] = {{"Niccolò", 35, 0}, {"Zoë", 50, -1}, {"Ærø €‰", 10, 0}};
    for (const Settings& settings : cases) {
        ASSERT_TRUE(SaveSettings(StateWith(settings), folder_).ok);
        ExpectSettings(Load(), settings, settings.name);
    }
    ASSERT_TRUE(SaveSettings(StateWith({"Łukasz 😀", 1, 0}), folder_).ok);
    EXPECT_NE(Contents("VORBIA.ini")
                  .find("Giocatore1=?ukasz ?\r\nVelocitaCarta= 1 \r\n"
                        "DisplayMessaggi= 0 \r\n"),
              std::string::npos);
    ExpectSettings(Load(), {"?ukasz ?", 10, 0}, "speed 1 is saved, then read as 10");
}

TEST_F(SettingsSave, LeavesOneFileWithoutTheOldExtraLines) {
    Put("vorbia.ini", "[Vecchio]\r\nGiocatore1=Ugo\r\nAltro=1\r\n");
    Put("Vorbia.INI", "Giocatore1=Ugo\r\n");
    Put("vorbia.BAK", "resto di un salvataggio interrotto");
    ExpectSettings(Load(), {"Ugo", 10, 0}, "extra lines load normally");
    ASSERT_TRUE(SaveSettings(StateWith({"Anna", 20, -1}), folder_).ok);
    EXPECT_EQ(Names(), std::vector<std::string>{"VORBIA.ini"});
    EXPECT_EQ(Contents("VORBIA.ini").find("Altro"), std::string::npos);
    ExpectSettings(Load(), {"Anna", 20, -1}, "after save");
}

// Fails the given occurrence of one step and passes everything else to the disk.
class FailingFileSystem : public SettingsFileSystem {
  public:
    FailingFileSystem(std::string step, int occurrence)
        : step_(std::move(step)), occurrence_(occurrence) {}

    std::optional<std::vector<std::string>> ListNames(const fs::path& folder) override {
        if (Fails("list")) return std::nullopt;
        return disk_.ListNames(folder);
    }
    bool Create(const fs::path& file) override { return !Fails("create") && disk_.Create(file); }
    bool Write(std::string_view bytes) override { return !Fails("write") && disk_.Write(bytes); }
    bool Close() override { return disk_.Close() && !Fails("close"); }
    bool Remove(const fs::path& file) override { return !Fails("delete") && disk_.Remove(file); }
    bool Rename(const fs::path& from, const fs::path& to) override {
        return !Fails("rename") && disk_.Rename(from, to);
    }

  private:
    bool Fails(std::string_view step) { return step == step_ && ++seen_ == occurrence_; }

    DiskSettingsFileSystem disk_;
    std::string step_;
    int occurrence_;
    int seen_ = 0;
};

struct FaultCase {
    std::string step;
    int occurrence;
    bool newFileInPlace;
};

TEST_F(SettingsSave, FailureAtAnyStepLeavesACompleteFile) {
    const Settings oldSettings{"Vecchio", 20, 0};
    const Settings newSettings{"Nuovo", 30, -1};
    const FaultCase cases[] = {{"list", 1, false},  {"delete", 1, false}, {"create", 1, false},
                               {"write", 1, false}, {"close", 1, false},  {"rename", 1, false},
                               {"list", 2, true},   {"delete", 2, true}};
    for (const FaultCase& fault : cases) {
        const std::string what = fault.step + " #" + std::to_string(fault.occurrence);
        for (const std::string& name : Names()) fs::remove(folder_ / name);
        Put("vorbia.ini", "Giocatore1=Vecchio\r\nVelocitaCarta=20\r\n");
        Put("vorbia.BAK", "");
        FailingFileSystem files(fault.step, fault.occurrence);
        const SaveResult result = SaveSettings(StateWith(newSettings), folder_, files);
        EXPECT_FALSE(result.ok) << what;
        EXPECT_EQ(result.failedStep, fault.step) << what;
        ExpectSettings(Load(), fault.newFileInPlace ? newSettings : oldSettings, what);
    }
}

TEST_F(SettingsSave, RealFailuresKeepTheOldFile) {
    Put("vorbia.ini", "Giocatore1=Vecchio\r\n");
    fs::create_directories(folder_ / "VORBIA.bak" / "occupato");
    EXPECT_EQ(SaveSettings(StateWith({"Nuovo", 30, -1}), folder_).failedStep, "create");
    EXPECT_EQ(Load().PlayerName[kHuman], "Vecchio");

    fs::remove_all(folder_ / "VORBIA.bak");
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to stand for a full disk";
    fs::create_symlink("/dev/full", folder_ / "VORBIA.bak");
    EXPECT_EQ(SaveSettings(StateWith({"Nuovo", 30, -1}), folder_).failedStep, "close");
    EXPECT_EQ(Load().PlayerName[kHuman], "Vecchio");
}

}  // namespace
}  // namespace vorbia
