// libFuzzer target: any bytes as the settings file must load without a crash and into range;
// any number read must read back as itself.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Card.h"
#include "SettingsFile.h"
#include "Utf8.h"

namespace {

using namespace vorbia;

std::filesystem::path workFolder;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "settings fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

// Each input is written as the settings file of a folder next to the fuzzer, in build-fuzz/.
extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    workFolder = std::filesystem::absolute((*argv)[0]).parent_path() / "work";
    std::filesystem::create_directories(workFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<int16_t> number = ReadSettingsNumber(bytes)) {
        Require(ReadSettingsNumber(std::to_string(*number)) == number,
                "a number reads differently");
    }

    std::FILE* file = std::fopen((workFolder / "vorbia.ini").c_str(), "wb");
    Require(file != nullptr && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0,
            "cannot write the input file");
    MatchState loaded;
    const LoadResult result = LoadSettings(loaded, workFolder);
    if (!result.ok) {
        Require(result.errorNumber == kErrorOverflow, "a readable file failed other than overflow");
        Require(loaded.PlayerName[Player::Human].empty() && loaded.CardSpeed == 0 &&
                    !loaded.ShowMessages,
                "a failed load changed the settings");
        return 0;
    }
    Require(loaded.CardSpeed >= 10 && loaded.CardSpeed <= 50, "speed out of range");
    const std::u32string name = DecodeUtf8(loaded.PlayerName[Player::Human]);
    Require(name.size() <= 10, "name longer than ten characters");
    Require(name.find(U'\uFFFD') == std::u32string::npos, "name is not valid UTF-8");
    return 0;
}
