#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "Card.h"
#include "SettingsFile.h"
#include "TemporaryFolder.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

using Settings = std::tuple<std::string, int, int>;  // name, card speed, messages

MatchState StateWith(const Settings& settings) {
    MatchState state;
    state.PlayerName[kHuman] = std::get<0>(settings);
    state.CardSpeed = static_cast<int16_t>(std::get<1>(settings));
    state.ShowMessages = static_cast<int16_t>(std::get<2>(settings));
    return state;
}

Settings Of(const MatchState& state) {
    return {state.PlayerName[kHuman], state.CardSpeed, state.ShowMessages};
}

// The exit status of `body` run in a forked child (which may hang or drop privileges), or -1.
int RunInChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SettingsFile : public ::testing::Test {
  protected:
    MatchState Load() {
        MatchState state;
        EXPECT_EQ(LoadSettings(state, folder_.path()).errorNumber, 0);
        return state;
    }
    int LoadError() {
        MatchState state;
        return LoadSettings(state, folder_.path()).errorNumber;
    }
    std::string Contents(const std::string& name) {
        std::ostringstream bytes;
        bytes << std::ifstream(folder_.path() / name, std::ios::binary).rdbuf();
        return bytes.str();
    }

    TemporaryFolder folder_;
};

TEST_F(SettingsFile, WithoutFileDefaultsApplyAndTheNameIsCutByCharacters) {
    EXPECT_EQ(Of(Load()), Settings("", 10, 0)) << "no file";
    MatchState started = StateWith({"Niccolòòòòòò", 60, 1});
    ASSERT_TRUE(LoadSettings(started, folder_.path()).ok);
    EXPECT_EQ(Of(started), Settings("Niccolòòòò", 10, 0)) << "ten characters, not bytes";
}

TEST_F(SettingsFile, ReadingRulesAndBadFiles) {
    std::mt19937 generator(2002);
    std::string garbage;
    for (int byte = 0; byte < 256 * 1024; ++byte) garbage.push_back(char(generator() & 0xFF));
    const std::pair<std::string, Settings> cases[] = {
        {"VelocitaCarta=50\r\nDisplayMessaggi=-1 \r\n", {"", 50, -1}},
        {"VelocitaCarta=51\r\nDisplayMessaggi=1\r\n", {"", 10, 0}},
        {"VelocitaCarta=9\r\nDisplayMessaggi=&HFFFF\r\n", {"", 10, -1}},
        {"Giocatore1=   Mario Rossini\r\n", {"Mario Ross", 10, 0}},
        {"giocatore1=Ugo\r\nVelocitaCarta=20\r\n", {"", 20, 0}},
        {"Giocatore1=Primo\r\nGiocatore1=Secondo\r\n", {"Secondo", 10, 0}},
        {"DisplayMessaggi=-1 Giocatore1=Bob\r\n", {"-1 Giocato", 10, 0}},
        {"Giocatore1=Niccol\xF2 \x80\r\n", {"Niccolò €", 10, 0}},
        {"Giocatore1=Ugo\rVelocitaCarta=40", {"Ugo", 40, 0}},
        {"\0\xFF\r\nGiocatore1=Ugo\0Bo\r\nVelocitaCarta=30\0 9\r\n"s, {"Ugo\0Bo"s, 30, 0}},
        // Bare LF ends make one long line: only its first key counts, and the name stops at LF.
        {"Giocatore1=Gimbo\nVelocitaCarta=25\nDisplayMessaggi=-1\n", {"Gimbo", 10, 0}},
        {"VelocitaCarta=25\nDisplayMessaggi=-1\n", {"", 25, 0}},
        {"", {"", 10, 0}},
        {garbage, {"", 10, 0}},
        {"Giocatore1=Ugo\r\nVelocitaCarta=" + std::string(1'000'000, ' ') +
             std::string(1'000'000, '0') + "35",
         {"Ugo", 35, 0}},
        // a key split by the end of the 64 KiB reading buffer
        {std::string(64 * 1024 - 10, ';') + "\r\nVelocitaCarta=42\r\nGiocatore1=Ugo",
         {"Ugo", 42, 0}}};
    for (const auto& [bytes, expected] : cases) {
        folder_.Put("vorbia.ini", bytes);
        EXPECT_EQ(Of(Load()), expected) << bytes.substr(0, 80);
    }
}

TEST_F(SettingsFile, FailedLoadsGiveTheStartUpErrorNumberAndChangeNothing) {
    MatchState state;
    folder_.Put("vorbia.ini", "Giocatore1=Ugo\r\nVelocitaCarta=40000\r\nVelocitaCarta=20\r\n");
    EXPECT_EQ(LoadSettings(state, folder_.path()).errorNumber, kErrorOverflow);
    EXPECT_EQ(Of(state), Settings("", 0, 0)) << "a failed load changes nothing";

    fs::remove(folder_.path() / "vorbia.ini");
    fs::create_directory(folder_.path() / "Vorbia.INI");
    EXPECT_EQ(LoadError(), kErrorFileAccess);

    fs::remove(folder_.path() / "Vorbia.INI");
    ASSERT_EQ(::mkfifo((folder_.path() / "vorbia.ini").c_str(), 0644), 0);
    EXPECT_EQ(RunInChild([this] { return LoadError(); }), kErrorFileAccess) << "pipe";
    fs::remove(folder_.path() / "vorbia.ini");
    fs::create_symlink("/dev/zero", folder_.path() / "VORBIA.INI");
    EXPECT_EQ(RunInChild([this] { return LoadError(); }), kErrorFileAccess) << "endless device";
}

// Root reads any file, so the load runs in a child that has become "nobody".
TEST_F(SettingsFile, UnreadableFileIsPermissionDenied) {
    constexpr int kCannotDropPrivileges = 100;
    folder_.Put("vorbia.ini", "VelocitaCarta=20\r\n");
    fs::permissions(folder_.path() / "vorbia.ini", fs::perms::none);
    fs::permissions(folder_.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);  // a folder anyone can look into
    const int errorNumber = RunInChild([this] {
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() == 0 && (nobody == nullptr || ::setgroups(0, nullptr) != 0 ||
                                 ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)) {
            return kCannotDropPrivileges;
        }
        if (std::ifstream(folder_.path() / "vorbia.ini").is_open()) return kCannotDropPrivileges;
        return LoadError();
    });
    if (errorNumber == kCannotDropPrivileges) GTEST_SKIP() << "this user can read any file";
    EXPECT_EQ(errorNumber, kErrorPermissionDenied);
}

TEST_F(SettingsFile, FindsTheFileWhateverTheCasePreferringTheWrittenName) {
    folder_.Put("VORBIA.INI", "VelocitaCarta=20\r\n");
    EXPECT_EQ(Load().CardSpeed, 20);
    folder_.Put("vorbia.ini", "VelocitaCarta=30\r\n");
    folder_.Put("VORBIA.ini", "VelocitaCarta=40\r\n");
    EXPECT_EQ(Load().CardSpeed, 40);
}

TEST_F(SettingsFile, SaveWritesTheFiveLinesExactlyDroppingExtraLines) {
    folder_.Put("vorbia.ini", "[Vecchio]\r\nGiocatore1=Ugo\r\nAltro=1\r\n");
    ASSERT_TRUE(SaveSettings(StateWith({"Gimbo", 10, -1}), folder_.path()).ok);
    EXPECT_EQ(Contents("VORBIA.ini"),  // 150 bytes
              "; File di inizializzazione per 'La VORBIA'\r\n"
              "; Non manomettere assolutamente queste righe!\r\n"
              "Giocatore1=Gimbo\r\nVelocitaCarta= 10 \r\nDisplayMessaggi=-1 \r\n");
}

TEST_F(SettingsFile, NamesRoundTripThroughTheCodePage) {
    for (const Settings& settings :
         {Settings("Niccolò", 35, 0), {"Zoë", 50, -1}, {"Ærø €‰", 10, 0}}) {
        ASSERT_TRUE(SaveSettings(StateWith(settings), folder_.path()).ok);
        EXPECT_EQ(Of(Load()), settings);
    }
    ASSERT_TRUE(SaveSettings(StateWith({"Łukasz 😀", 1, 0}), folder_.path()).ok);
    EXPECT_NE(Contents("VORBIA.ini").find("Giocatore1=?ukasz ?\r\nVelocitaCarta= 1 \r\n"),
              std::string::npos);
    EXPECT_EQ(Of(Load()), Settings("?ukasz ?", 10, 0)) << "speed 1 is saved, then read as 10";
}

TEST_F(SettingsFile, AFullDiskKeepsTheOldFile) {
    folder_.Put("vorbia.ini", "Giocatore1=Vecchio\r\n");
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to stand for a full disk";
    fs::create_symlink("/dev/full", folder_.path() / "VORBIA.bak");
    EXPECT_EQ(SaveSettings(StateWith({"Nuovo", 30, -1}), folder_.path()).failedStep, "close");
    EXPECT_EQ(Load().PlayerName[kHuman], "Vecchio");
}

// Passes every step to the disk, except one occurrence of one step that fails, and before each
// step reads the settings as a start of the program at that moment would.
class ObservedFileSystem : public SettingsFileSystem {
  public:
    ObservedFileSystem(fs::path folder, std::string failingStep, int occurrence)
        : folder_(std::move(folder)),
          failingStep_(std::move(failingStep)),
          occurrence_(occurrence) {}

    std::vector<std::string> namesRead;  // "?" for a load that failed

    std::optional<std::vector<std::string>> ListNames(const fs::path& folder) override {
        return Fails("list") ? std::nullopt : disk_.ListNames(folder);
    }
    bool Create(const fs::path& file) override { return !Fails("create") && disk_.Create(file); }
    // A failing write still puts the first half of the bytes on the disk.
    bool Write(std::string_view bytes) override {
        if (!Fails("write")) return disk_.Write(bytes);
        disk_.Write(bytes.substr(0, bytes.size() / 2));
        return false;
    }
    bool Close() override {
        const bool fails = Fails("close");
        return disk_.Close() && !fails;
    }
    bool Remove(const fs::path& file) override { return !Fails("delete") && disk_.Remove(file); }
    bool Rename(const fs::path& from, const fs::path& to) override {
        return !Fails("rename") && disk_.Rename(from, to);
    }

  private:
    bool Fails(std::string_view step) {
        MatchState state;
        namesRead.push_back(LoadSettings(state, folder_).ok ? state.PlayerName[kHuman] : "?");
        return step == failingStep_ && ++seen_ == occurrence_;
    }

    DiskSettingsFileSystem disk_;
    fs::path folder_;
    std::string failingStep_;
    int occurrence_;
    int seen_ = 0;
};

struct Fault {
    std::string step;
    int occurrence;
    bool newFileInPlace;
};

// Whichever step fails, the save names it, and a start of the program at any moment of the
// save finds the old settings or the new ones, complete. The next save cleans up.
TEST(SettingsSaveMoments, EveryMomentHoldsTheOldOrTheNewSettings) {
    const Fault faults[] = {{"", 0, true},        {"list", 1, false},  {"delete", 1, false},
                            {"create", 1, false}, {"write", 1, false}, {"close", 1, false},
                            {"rename", 1, false}, {"list", 2, true},   {"delete", 2, true}};
    for (const std::string oldName : {"vorbia.ini", "Vorbia.Ini"}) {
        for (const Fault& fault : faults) {
            const std::string what = oldName + ", failing " + fault.step;
            TemporaryFolder folder;
            folder.Put(oldName, "Giocatore1=Vecchio\r\n");
            folder.Put("Vorbia.bak", "Giocatore1=Rottame\r\n");
            const MatchState state = StateWith({"Nuovo", 10, 0});
            ObservedFileSystem files(folder.path(), fault.step, fault.occurrence);
            const SaveResult result = SaveSettings(state, folder.path(), files);
            EXPECT_EQ(result.ok, fault.step.empty()) << what;
            EXPECT_EQ(result.failedStep, fault.step) << what;
            for (const std::string& name : files.namesRead) {
                EXPECT_TRUE(name == "Vecchio" || name == "Nuovo") << what << ": read " << name;
            }
            MatchState after;
            ASSERT_TRUE(LoadSettings(after, folder.path()).ok) << what;
            EXPECT_EQ(after.PlayerName[kHuman], fault.newFileInPlace ? "Nuovo" : "Vecchio") << what;

            ASSERT_TRUE(SaveSettings(state, folder.path()).ok) << what;
            std::vector<fs::path> entries{fs::directory_iterator(folder.path()), {}};
            ASSERT_EQ(entries.size(), 1u) << what;
            EXPECT_EQ(entries[0].filename(), "VORBIA.ini") << what;
        }
    }
}

}  // namespace
}  // namespace vorbia
