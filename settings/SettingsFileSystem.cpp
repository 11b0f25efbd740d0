#include "SettingsFileSystem.h"

#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace vorbia {

DiskSettingsFileSystem::~DiskSettingsFileSystem() {
    if (openFile_ != nullptr) std::fclose(openFile_);
}

std::optional<std::vector<std::string>> DiskSettingsFileSystem::ListNames(
    const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return std::nullopt;
    std::vector<std::string> names;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        names.push_back(entries->path().filename().string());
    }
    if (error) return std::nullopt;
    return names;
}

bool DiskSettingsFileSystem::Create(const std::filesystem::path& file) {
    if (openFile_ != nullptr) return false;
    openFile_ = std::fopen(file.string().c_str(), "wb");
    return openFile_ != nullptr;
}

bool DiskSettingsFileSystem::Write(std::string_view bytes) {
    if (openFile_ == nullptr) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), openFile_) == bytes.size();
}

bool DiskSettingsFileSystem::Close() {
    if (openFile_ == nullptr) return false;
    bool written = std::fflush(openFile_) == 0;
#if defined(__unix__) || defined(__APPLE__)
    // Without it a crash soon after the rename can leave an empty settings file behind.
    written = written && fsync(fileno(openFile_)) == 0;
#endif
    written = std::fclose(openFile_) == 0 && written;
    openFile_ = nullptr;
    return written;
}

bool DiskSettingsFileSystem::Remove(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::remove(file, error);
    return !error;
}

bool DiskSettingsFileSystem::IsRegularFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error));
}

bool DiskSettingsFileSystem::Rename(const std::filesystem::path& from,
                                    const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

}  // namespace vorbia
