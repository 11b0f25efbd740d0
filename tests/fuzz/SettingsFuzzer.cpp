// libFuzzer target: any bytes as the settings file must load without a crash, load into range,
// and survive a save and a second load unchanged; any number read must read back as itself.
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

// The input is loaded from this folder and saved into its "saved" folder. Never destroyed, so
// that the removal at exit can still use it.
const fs::path& WorkFolder() {
    static const fs::path* folder = [] {
        std::string name = (fs::temp_directory_path() / "vorbia-fuzz-XXXXXX").string();
        const auto* made = new fs::path(::mkdtemp(name.data()));
        fs::create_directory(*made / "saved");
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(WorkFolder(), ignored);
        });
        return made;
    }();
    return *folder;
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<int16_t> number = ReadSettingsNumber(bytes)) {
        Require(ReadSettingsNumber(std::to_string(*number)) == number,
                "a number reads differently");
    }

    std::FILE* file = std::fopen((WorkFolder() / "vorbia.ini").c_str(), "wb");
    Require(file != nullptr && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0,
            "cannot write the input file");
    MatchState loaded;
    const LoadResult result = LoadSettings(loaded, WorkFolder());
    if (!result.ok) {
        Require(result.errorNumber == kErrorOverflow, "a readable file failed other than overflow");
        Require(SameSettings(loaded, MatchState{}), "a failed load changed the settings");
        return 0;
    }
    Require(loaded.CardSpeed >= 10 && loaded.CardSpeed <= 50, "speed out of range");
    Require(loaded.ShowMessages == kTrue || loaded.ShowMessages == kFalse, "switch out of range");
    const std::u32string name = DecodeUtf8(loaded.PlayerName[kHuman]);
    Require(name.size() <= 10, "name longer than ten characters");
    Require(name.find(U'\uFFFD') == std::u32string::npos, "name is not valid UTF-8");

    MatchState reloaded;
    Require(SaveSettings(loaded, WorkFolder() / "saved").ok, "saving what was loaded failed");
    Require(LoadSettings(reloaded, WorkFolder() / "saved").ok, "loading what was saved failed");
    Require(SameSettings(loaded, reloaded), "a save and a load changed the settings");
    return 0;
}
