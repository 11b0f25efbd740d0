#include "SettingsLocation.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include "SettingsFile.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace vorbia {

namespace {

std::filesystem::path FolderFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr) return {};
    const std::filesystem::path folder(value);
    // A relative value is invalid by the freedesktop rules and would depend on the current folder.
    return folder.is_absolute() ? folder : std::filesystem::path{};
}

bool HoldsSettingsFile(const std::filesystem::path& folder) {
    return !folder.empty() && FindSettingsFile(folder).has_value();
}

}  // namespace

bool MayCreateFilesIn(const std::filesystem::path& folder) {
    std::string probeName = ".vorbia-probe";
#if defined(__unix__) || defined(__APPLE__)
    probeName += '-';
    probeName += std::to_string(::getpid());
#endif
    const std::filesystem::path probe = folder / probeName;
    // "x": never truncate, or later remove, a file that was there already.
    std::FILE* file = std::fopen(probe.string().c_str(), "wbx");
    if (file == nullptr) return false;
    std::fclose(file);
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return true;
}

std::filesystem::path PlayerConfigurationFolder() {
    std::filesystem::path base = FolderFromEnvironment("XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::filesystem::path home = FolderFromEnvironment("HOME");
        if (home.empty()) return {};
        base = home / ".config";
    }
    return base / "lavorbia";
}

std::filesystem::path SettingsFolderForSaving(const std::filesystem::path& programFolder) {
    return SettingsFolderForSaving(programFolder, MayCreateFilesIn);
}

std::filesystem::path SettingsFolderForSaving(const std::filesystem::path& programFolder,
                                              const FolderWritableCheck& mayWrite) {
    if (mayWrite(programFolder)) return programFolder;
    std::filesystem::path configuration = PlayerConfigurationFolder();
    if (configuration.empty()) return programFolder;
    // A failure here shows later, as a failed save, which the options dialog reports.
    std::error_code ignored;
    std::filesystem::create_directories(configuration, ignored);
    return configuration;
}

std::filesystem::path SettingsFolderForLoading(const std::filesystem::path& programFolder) {
    return SettingsFolderForLoading(programFolder, MayCreateFilesIn);
}

std::filesystem::path SettingsFolderForLoading(const std::filesystem::path& programFolder,
                                               const FolderWritableCheck& mayWrite) {
    const std::filesystem::path configuration = PlayerConfigurationFolder();
    const bool savesGoToProgramFolder = configuration.empty() || mayWrite(programFolder);
    const std::filesystem::path& saved = savesGoToProgramFolder ? programFolder : configuration;
    const std::filesystem::path& other = savesGoToProgramFolder ? configuration : programFolder;
    if (HoldsSettingsFile(saved)) return saved;
    if (HoldsSettingsFile(other)) return other;
    return programFolder;
}

}  // namespace vorbia
