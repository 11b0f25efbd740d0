#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "MatchState.h"
#include "NameCase.h"
#include "NumberReading.h"
#include "SettingsFileSystem.h"

namespace vorbia {

// Error numbers that the window's start-up shows in its fatal message.
constexpr int kErrorOverflow = 6;
constexpr int kErrorPermissionDenied = 70;
constexpr int kErrorFileAccess = 75;

// The settings file of `folder`, whatever the letter case of its name.
std::optional<std::filesystem::path> FindSettingsFile(const std::filesystem::path& folder);

struct LoadResult {
    bool ok = true;
    int errorNumber = 0;
};

// Fills the human's PlayerName, CardSpeed and ShowMessages from "vorbia.ini" in `folder`, whatever
// the letter case of its name, then forces them into range (also without a file). When the file
// cannot be read or holds a number beyond 16 bits, `state` is left as it was.
LoadResult LoadSettings(MatchState& state, const std::filesystem::path& folder);

struct SaveResult {
    bool ok = true;
    std::string failedStep;  // "list", "delete", "create", "write", "close" or "rename"
};

// Writes "VORBIA.bak", then puts it in place of the settings file in one step: whatever step
// fails, the old file or the complete new one is there to be read.
SaveResult SaveSettings(const MatchState& state, const std::filesystem::path& folder);
SaveResult SaveSettings(const MatchState& state, const std::filesystem::path& folder,
                        SettingsFileSystem& files);

}  // namespace vorbia
