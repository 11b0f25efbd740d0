// libFuzzer target: any bytes as the settings file must load without a crash, load into range,
// and survive a save and a second load unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "Card.h"
#include "SettingsFile.h"
#include "Utf8.h"

namespace {

namespace fs = std::filesystem;
using namespace vorbia;

// Saves without waiting for the disk: the fuzzer saves once per input.
class QuickFiles final : public SettingsFileSystem {
  public:
    std::optional<std::vector<std::string>> ListNames(const fs::path& folder) override {
        return disk_.ListNames(folder);
    }
    bool Create(const fs::path& file) override {
        open_ = std::fopen(file.c_str(), "wb");
        return open_ != nullptr;
    }
    bool Write(std::string_view bytes) override {
        return std::fwrite(bytes.data(), 1, bytes.size(), open_) == bytes.size();
    }
    bool Close() override {
        const bool closed = std::fclose(open_) == 0;
        open_ = nullptr;
        return closed;
    }
    bool Remove(const fs::path& file) override { return disk_.Remove(file); }
    bool Rename(const fs::path& from, const fs::path& to) override {
        return disk_.Rename(from, to);
    }

  private:
    DiskSettingsFileSystem disk_;
    std::FILE* open_ = nullptr;
};

struct Folders {
    fs::path read;
    fs::path saved;
};

void RemoveFolders();

// Never destroyed, so that the clean-up at exit can still use it.
const Folders& FuzzFolders() {
    static const Folders* folders = [] {
        const fs::path root =
            fs::temp_directory_path() / ("vorbia-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(root / "read");
        fs::create_directories(root / "saved");
        return new Folders{root / "read", root / "saved"};
    }();
    static const bool cleanUpRegistered = std::atexit(RemoveFolders) == 0;
    (void)cleanUpRegistered;
    return *folders;
}

void RemoveFolders() {
    std::error_code ignored;
    fs::remove_all(FuzzFolders().read.parent_path(), ignored);
}

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "settings fuzzer: %s\n", what);
    std::abort();
}

bool SameSettings(const MatchState& first, const MatchState& second) {
    return first.PlayerName[kHuman] == second.PlayerName[kHuman] &&
           first.CardSpeed == second.CardSpeed && first.ShowMessages == second.ShowMessages;
}

void CheckNumberReading(std::string_view text) {
    const std::optional<int16_t> number = ReadSettingsNumber(text);
    if (!number) return;
    Require(ReadSettingsNumber(std::to_string(*number)) == number,
            "a number read does not read back as itself");
}

void CheckLoadAndRoundTrip(std::string_view bytes) {
    const Folders& folders = FuzzFolders();
    std::FILE* file = std::fopen((folders.read / "vorbia.ini").c_str(), "wb");
    Require(file != nullptr, "cannot write the input file");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    MatchState loaded;
    const LoadResult result = LoadSettings(loaded, folders.read);
    if (!result.ok) {
        Require(result.errorNumber == kErrorOverflow, "a readable file failed other than overflow");
        Require(SameSettings(loaded, MatchState{}), "a failed load changed the settings");
        return;
    }
    Require(loaded.CardSpeed >= 10 && loaded.CardSpeed <= 50, "speed out of range");
    Require(loaded.ShowMessages == kTrue || loaded.ShowMessages == kFalse, "switch out of range");
    const std::u32string name = DecodeUtf8(loaded.PlayerName[kHuman]);
    Require(name.size() <= 10, "name longer than ten characters");
    Require(name.find(U'\uFFFD') == std::u32string::npos, "name is not valid UTF-8");

    QuickFiles files;
    Require(SaveSettings(loaded, folders.saved, files).ok, "saving what was loaded failed");
    MatchState reloaded;
    Require(LoadSettings(reloaded, folders.saved).ok, "loading what was saved failed");
    Require(SameSettings(loaded, reloaded), "a save and a load changed the settings");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckNumberReading(bytes);
    CheckLoadAndRoundTrip(bytes);
    return 0;
}
