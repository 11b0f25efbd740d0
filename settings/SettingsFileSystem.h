#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorbia {

// The file steps of saving the settings, behind an interface so that each step can be made
// to fail. One file at a time is open for writing.
class SettingsFileSystem {
  public:
    virtual ~SettingsFileSystem() = default;

    // Names of the entries of `folder`; std::nullopt when it cannot be listed.
    virtual std::optional<std::vector<std::string>> ListNames(
        const std::filesystem::path& folder) = 0;
    // Creates the file, or empties the one already there, and keeps it open for writing.
    virtual bool Create(const std::filesystem::path& file) = 0;
    virtual bool Write(std::string_view bytes) = 0;
    // True only once every byte has reached the disk.
    virtual bool Close() = 0;
    virtual bool Remove(const std::filesystem::path& file) = 0;
    // True for a plain file, not for a folder, a link or a device that carries a similar name.
    virtual bool IsRegularFile(const std::filesystem::path& file) = 0;
    // Replaces `to`, when it exists, in one step.
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

class DiskSettingsFileSystem final : public SettingsFileSystem {
  public:
    DiskSettingsFileSystem() = default;
    DiskSettingsFileSystem(const DiskSettingsFileSystem&) = delete;
    DiskSettingsFileSystem& operator=(const DiskSettingsFileSystem&) = delete;
    ~DiskSettingsFileSystem() override;

    std::optional<std::vector<std::string>> ListNames(const std::filesystem::path& folder) override;
    bool Create(const std::filesystem::path& file) override;
    bool Write(std::string_view bytes) override;
    bool Close() override;
    bool Remove(const std::filesystem::path& file) override;
    bool IsRegularFile(const std::filesystem::path& file) override;
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;

  private:
    std::FILE* openFile_ = nullptr;
};

}  // namespace vorbia
