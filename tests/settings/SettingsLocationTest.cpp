#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "Card.h"
#include "SettingsFile.h"
#include "SettingsLocation.h"
#include "TemporaryFolder.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;

class EnvironmentVariable {
  public:
    explicit EnvironmentVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) saved_ = value;
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;
    ~EnvironmentVariable() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

class SettingsLocation : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program());
        ::setenv("HOME", (root_.path() / "home").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }

    fs::path program() const { return root_.path() / "program"; }
    fs::path homeConfiguration() const { return root_.path() / "home" / ".config" / "lavorbia"; }

    TemporaryFolder root_;
    EnvironmentVariable home_{"HOME"};
    EnvironmentVariable xdgConfigHome_{"XDG_CONFIG_HOME"};
};

bool Writable(const fs::path&) { return true; }
bool ReadOnly(const fs::path&) { return false; }

TEST_F(SettingsLocation, ConfigurationFolderFollowsXdgThenHome) {
    EXPECT_EQ(PlayerConfigurationFolder(), homeConfiguration());
    ::setenv("XDG_CONFIG_HOME", "relativa/cartella", 1);
    EXPECT_EQ(PlayerConfigurationFolder(), homeConfiguration());
    ::setenv("XDG_CONFIG_HOME", (root_.path() / "xdg").c_str(), 1);
    EXPECT_EQ(PlayerConfigurationFolder(), root_.path() / "xdg" / "lavorbia");
}

TEST_F(SettingsLocation, ProbeCreatesFilesOnlyWhereItCanAndLeavesNothing) {
    EXPECT_TRUE(MayCreateFilesIn(program()));
    EXPECT_TRUE(fs::is_empty(program()));
    root_.Put("un-file", "x");
    // Even root cannot create a file below a regular file.
    EXPECT_FALSE(MayCreateFilesIn(root_.path() / "un-file" / "cartella"));
    EXPECT_FALSE(MayCreateFilesIn(root_.path() / "non-esiste"));
}

TEST_F(SettingsLocation, SavingGoesToTheProgramFolderWhenWritableElseToAConfigurationFolder) {
    EXPECT_EQ(SettingsFolderForSaving(program()), program());

    root_.Put("programma-bloccato", "");
    const fs::path unwritable = root_.path() / "programma-bloccato" / "cartella";
    EXPECT_EQ(SettingsFolderForSaving(unwritable), homeConfiguration());
    EXPECT_TRUE(fs::is_directory(homeConfiguration()));

    ::unsetenv("HOME");
    EXPECT_EQ(SettingsFolderForSaving(unwritable), unwritable) << "nowhere else to go";
}

TEST_F(SettingsLocation, LoadingFindsTheFileInEitherPlace) {
    EXPECT_EQ(SettingsFolderForLoading(program()), program()) << "no file anywhere";
    root_.Put("home/.config/lavorbia/VORBIA.ini", "Giocatore1=Ugo\r\n");
    EXPECT_EQ(SettingsFolderForLoading(program()), homeConfiguration());
    root_.Put("program/Vorbia.INI", "Giocatore1=Ugo\r\n");
    EXPECT_EQ(SettingsFolderForLoading(program()), program());
}

MatchState StateNamed(const std::string& name) {
    MatchState state;
    state.PlayerName[kHuman] = name;
    state.CardSpeed = 30;
    return state;
}

// The file the last save wrote is the one the next start reads, even with an older file in the
// other place.
TEST_F(SettingsLocation, NextStartReadsWhatTheLastSaveWrote) {
    for (const FolderWritableCheck& mayWrite : {FolderWritableCheck(Writable), {ReadOnly}}) {
        root_.Put("program/vorbia.ini", "Giocatore1=Vecchio\r\n");
        root_.Put("home/.config/lavorbia/vorbia.ini", "Giocatore1=Vecchio\r\n");
        ASSERT_TRUE(
            SaveSettings(StateNamed("Nuovo"), SettingsFolderForSaving(program(), mayWrite)).ok);
        MatchState loaded;
        ASSERT_TRUE(LoadSettings(loaded, SettingsFolderForLoading(program(), mayWrite)).ok);
        EXPECT_EQ(loaded.PlayerName[kHuman], "Nuovo") << (mayWrite(program()) ? "writable" : "");
        fs::remove_all(root_.path() / "home");
        for (const auto& entry : fs::directory_iterator(program())) fs::remove(entry.path());
    }
}

}  // namespace
}  // namespace vorbia
