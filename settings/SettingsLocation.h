#pragma once

#include <filesystem>
#include <functional>

namespace vorbia {

// Whether the program may create files in a folder.
using FolderWritableCheck = std::function<bool(const std::filesystem::path&)>;

// Creates and removes a probe file: permission bits say nothing for root, nor on network and
// read-only mounts.
bool MayCreateFilesIn(const std::filesystem::path& folder);

// $XDG_CONFIG_HOME/lavorbia, else $HOME/.config/lavorbia; empty when neither is set.
std::filesystem::path PlayerConfigurationFolder();

// Where the settings are written: the program folder when the program may write there, else
// the player's configuration folder, created when missing. The player never needs to be an
// administrator.
std::filesystem::path SettingsFolderForSaving(const std::filesystem::path& programFolder);
std::filesystem::path SettingsFolderForSaving(const std::filesystem::path& programFolder,
                                              const FolderWritableCheck& mayWrite);

// Where the settings are read: the folder a save would choose, when it holds a settings file;
// else the other one when that holds one; else the program folder. Reading first where the
// last save wrote means a save is never hidden by an older file in the other folder.
std::filesystem::path SettingsFolderForLoading(const std::filesystem::path& programFolder);
std::filesystem::path SettingsFolderForLoading(const std::filesystem::path& programFolder,
                                               const FolderWritableCheck& mayWrite);

}  // namespace vorbia
