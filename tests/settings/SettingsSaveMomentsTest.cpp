#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "Card.h"
#include "SettingsFile.h"
#include "TemporaryFolder.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;

// Passes every step to the disk and, before and after each one, reads the settings as a start
// of the program at that moment would. Can also make one step misbehave.
class ObservedFileSystem : public SettingsFileSystem {
  public:
    ObservedFileSystem(fs::path folder, std::string failingStep = "", int failingOccurrence = 0)
        : folder_(std::move(folder)),
          failingStep_(std::move(failingStep)),
          failingOccurrence_(failingOccurrence) {}

    std::vector<std::string> namesRead;  // "?" for a load that failed

    std::optional<std::vector<std::string>> ListNames(const fs::path& folder) override {
        return Observed([&] { return disk_.ListNames(folder); });
    }
    bool Create(const fs::path& file) override {
        return Observed([&] { return !Fails("create") && disk_.Create(file); });
    }
    // A failing write still puts the first half of the bytes on the disk.
    bool Write(std::string_view bytes) override {
        return Observed([&] {
            if (!Fails("write")) return disk_.Write(bytes);
            disk_.Write(bytes.substr(0, bytes.size() / 2));
            return false;
        });
    }
    bool Close() override {
        return Observed([&] { return disk_.Close() && !Fails("close"); });
    }
    bool Remove(const fs::path& file) override {
        return Observed([&] { return !Fails("delete") && disk_.Remove(file); });
    }
    bool Rename(const fs::path& from, const fs::path& to) override {
        return Observed([&] { return !Fails("rename") && disk_.Rename(from, to); });
    }

  private:
    template <typename Step>
    std::invoke_result_t<Step> Observed(Step step) {
        ReadNow();
        auto result = step();
        ReadNow();
        return result;
    }
    void ReadNow() {
        MatchState state;
        const bool ok = LoadSettings(state, folder_).ok;
        namesRead.push_back(ok ? state.PlayerName[kHuman] : "?");
    }
    bool Fails(std::string_view step) {
        return step == failingStep_ && ++seen_ == failingOccurrence_;
    }

    DiskSettingsFileSystem disk_;
    fs::path folder_;
    std::string failingStep_;
    int failingOccurrence_;
    int seen_ = 0;
};

struct Fault {
    std::string step;
    int occurrence;
};

// Whatever the name of the old file and whichever step fails, a start of the program at any
// moment of the save finds the old settings or the new ones, complete.
TEST(SettingsSaveMoments, EveryMomentHoldsTheOldOrTheNewSettings) {
    const Fault faults[] = {{"", 0},       {"create", 1}, {"write", 1}, {"close", 1},
                            {"rename", 1}, {"delete", 1}, {"delete", 2}};
    for (const std::string oldName : {"vorbia.ini", "VORBIA.ini", "Vorbia.Ini"}) {
        for (const Fault& fault : faults) {
            const std::string what = oldName + ", failing " + fault.step;
            TemporaryFolder folder;
            folder.Put(oldName, "Giocatore1=Vecchio\r\n");
            folder.Put("Vorbia.bak", "Giocatore1=Rottame\r\n");
            MatchState state;
            state.PlayerName[kHuman] = "Nuovo";
            state.CardSpeed = 20;
            ObservedFileSystem files(folder.path(), fault.step, fault.occurrence);
            const bool saved = SaveSettings(state, folder.path(), files).ok;

            for (const std::string& name : files.namesRead) {
                EXPECT_TRUE(name == "Vecchio" || name == "Nuovo") << what << ": read " << name;
            }
            MatchState after;
            ASSERT_TRUE(LoadSettings(after, folder.path()).ok) << what;
            if (saved) {
                EXPECT_EQ(after.PlayerName[kHuman], "Nuovo") << what;
            }

            // The next save, with nothing failing, cleans up whatever the failure left.
            ASSERT_TRUE(SaveSettings(state, folder.path()).ok) << what;
            std::vector<std::string> names;
            for (const auto& entry : fs::directory_iterator(folder.path())) {
                names.push_back(entry.path().filename().string());
            }
            EXPECT_EQ(names, std::vector<std::string>{"VORBIA.ini"}) << what;
        }
    }
}

}  // namespace
}  // namespace vorbia
