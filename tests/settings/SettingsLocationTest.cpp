#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "SettingsLocation.h"
#include "TemporaryFolder.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;

// Gives an environment variable a value (none for nullptr) for one test, then puts it back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class SettingsLocation : public ::testing::Test {
  protected:
    SettingsLocation() { fs::create_directories(program_); }

    TemporaryFolder root_;
    const fs::path program_ = root_.path() / "program";
    const fs::path homeConfiguration_ = root_.path() / "home" / ".config" / "lavorbia";
    ScopedVariable home_{"HOME", (root_.path() / "home").c_str()};
    ScopedVariable xdgConfigHome_{"XDG_CONFIG_HOME", nullptr};
};

TEST_F(SettingsLocation, SavingGoesToTheProgramFolderWhenWritableElseToAConfigurationFolder) {
    EXPECT_EQ(SettingsFolderForSaving(program_), program_);
    EXPECT_TRUE(fs::is_empty(program_)) << "the probe file is removed";

    root_.Put("programma-bloccato", "");
    // Even root cannot create a file below a regular file.
    const fs::path unwritable = root_.path() / "programma-bloccato" / "cartella";
    EXPECT_EQ(SettingsFolderForSaving(unwritable), homeConfiguration_);
    EXPECT_TRUE(fs::is_directory(homeConfiguration_));

    ::setenv("XDG_CONFIG_HOME", (root_.path() / "xdg").c_str(), 1);
    EXPECT_EQ(SettingsFolderForSaving(unwritable), root_.path() / "xdg" / "lavorbia");
    ::setenv("XDG_CONFIG_HOME", "relativa/cartella", 1);  // invalid by the freedesktop rules
    ::unsetenv("HOME");
    EXPECT_EQ(SettingsFolderForSaving(unwritable), unwritable) << "nowhere else to go";
}

// At start the file is looked for first where saves go, then in the other place.
TEST_F(SettingsLocation, LoadingFindsTheFileInEitherPlace) {
    const FolderWritableCheck readOnly = [](const fs::path&) { return false; };
    EXPECT_EQ(SettingsFolderForLoading(program_), program_) << "no file anywhere";
    root_.Put("home/.config/lavorbia/VORBIA.ini", "");
    EXPECT_EQ(SettingsFolderForLoading(program_), homeConfiguration_);
    root_.Put("program/Vorbia.INI", "");
    EXPECT_EQ(SettingsFolderForLoading(program_), program_);
    EXPECT_EQ(SettingsFolderForLoading(program_, readOnly), homeConfiguration_);
}

}  // namespace
}  // namespace vorbia
