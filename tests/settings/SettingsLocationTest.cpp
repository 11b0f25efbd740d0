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

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}
void SetVariable(const char* name, const std::optional<std::string>& value) {
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
}

class SettingsLocation : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program());
        ::setenv("HOME", (root_.path() / "home").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        SetVariable("HOME", home_);
        SetVariable("XDG_CONFIG_HOME", xdgConfigHome_);
    }

    fs::path program() const { return root_.path() / "program"; }
    fs::path homeConfiguration() const { return root_.path() / "home" / ".config" / "lavorbia"; }

    const std::optional<std::string> home_ = Variable("HOME");
    const std::optional<std::string> xdgConfigHome_ = Variable("XDG_CONFIG_HOME");
    TemporaryFolder root_;
};

TEST_F(SettingsLocation, ConfigurationFolderFollowsAnAbsoluteXdgThenHome) {
    EXPECT_EQ(PlayerConfigurationFolder(), homeConfiguration());
    ::setenv("XDG_CONFIG_HOME", "relativa/cartella", 1);
    EXPECT_EQ(PlayerConfigurationFolder(), homeConfiguration());
    ::setenv("XDG_CONFIG_HOME", (root_.path() / "xdg").c_str(), 1);
    EXPECT_EQ(PlayerConfigurationFolder(), root_.path() / "xdg" / "lavorbia");
}

TEST_F(SettingsLocation, SavingGoesToTheProgramFolderWhenWritableElseToAConfigurationFolder) {
    EXPECT_EQ(SettingsFolderForSaving(program()), program());
    EXPECT_TRUE(fs::is_empty(program())) << "the probe file is removed";

    root_.Put("programma-bloccato", "");
    // Even root cannot create a file below a regular file.
    const fs::path unwritable = root_.path() / "programma-bloccato" / "cartella";
    EXPECT_EQ(SettingsFolderForSaving(unwritable), homeConfiguration());
    EXPECT_TRUE(fs::is_directory(homeConfiguration()));
    EXPECT_FALSE(MayCreateFilesIn(root_.path() / "non-esiste"));

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

// The next start reads what the last save wrote, even with an older file in the other place.
TEST_F(SettingsLocation, NextStartReadsWhatTheLastSaveWrote) {
    for (const bool writable : {true, false}) {
        const FolderWritableCheck mayWrite = [writable](const fs::path&) { return writable; };
        root_.Put("program/vorbia.ini", "Giocatore1=Vecchio\r\n");
        root_.Put("home/.config/lavorbia/vorbia.ini", "Giocatore1=Vecchio\r\n");
        MatchState saved;
        saved.PlayerName[kHuman] = "Nuovo";
        ASSERT_TRUE(SaveSettings(saved, SettingsFolderForSaving(program(), mayWrite)).ok);
        MatchState loaded;
        ASSERT_TRUE(LoadSettings(loaded, SettingsFolderForLoading(program(), mayWrite)).ok);
        EXPECT_EQ(loaded.PlayerName[kHuman], "Nuovo") << writable;
        fs::remove_all(root_.path() / "home");
        for (const auto& entry : fs::directory_iterator(program())) fs::remove(entry.path());
    }
}

}  // namespace
}  // namespace vorbia
