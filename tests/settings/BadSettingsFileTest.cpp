#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "Card.h"
#include "ChildProcess.h"
#include "SettingsFile.h"
#include "TemporaryFolder.h"
#include "Utf8.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class BadSettingsFile : public ::testing::Test {
  protected:
    LoadResult LoadFile(const std::string& bytes) {
        folder_.Put("vorbia.ini", bytes);
        loaded_ = MatchState{};
        return LoadSettings(loaded_, folder_.path());
    }
    void ExpectLoaded(const std::string& name, int speed, int messages) const {
        EXPECT_EQ(loaded_.PlayerName[kHuman], name);
        EXPECT_EQ(loaded_.CardSpeed, speed);
        EXPECT_EQ(loaded_.ShowMessages, messages);
    }

    TemporaryFolder folder_;
    MatchState loaded_;
};

TEST_F(BadSettingsFile, EmptyOrGarbageLoadsTheDefaults) {
    ASSERT_TRUE(LoadFile("").ok);
    ExpectLoaded("", 10, 0);

    std::mt19937 generator(2002);
    std::string garbage;
    for (int byte = 0; byte < 256 * 1024; ++byte) {
        garbage.push_back(static_cast<char>(generator() & 0xFF));
    }
    ASSERT_TRUE(LoadFile(garbage).ok);
    ExpectLoaded("", 10, 0);
}

TEST_F(BadSettingsFile, ZeroBytesAreOrdinaryCharacters) {
    ASSERT_TRUE(LoadFile("\0\xFF\r\nGiocatore1=Ugo\0Bo\r\nVelocitaCarta=30\0 9\r\n"s).ok);
    ExpectLoaded("Ugo\0Bo"s, 30, 0);
}

TEST_F(BadSettingsFile, MegabyteLineWithoutLineEnd) {
    ASSERT_TRUE(LoadFile("Giocatore1=Ugo\r\nVelocitaCarta=" + std::string(1'000'000, ' ') +
                         std::string(1'000'000, '0') + "35")
                    .ok);
    ExpectLoaded("Ugo", 35, 0);
}

TEST_F(BadSettingsFile, KeysAcrossTheReadingBufferBoundaries) {
    for (std::size_t boundary : {64u * 1024, 128u * 1024}) {
        for (std::size_t before = 0; before <= 20; before += 4) {
            std::string bytes(boundary - before - 2, ';');
            bytes += "\r\nVelocitaCarta=42\r\nGiocatore1=Ugo";
            ASSERT_TRUE(LoadFile(bytes).ok);
            ExpectLoaded("Ugo", 42, 0);
        }
    }
}

// A file saved as UTF-8 by a text editor is read byte by byte as the code page and saved back
// with the very same bytes, so nothing the player typed is lost.
TEST_F(BadSettingsFile, Utf8NameIsReadAsCodePageAndSavedBackUnchanged) {
    const std::string utf8Name = "Łuk😀";  // eight bytes, within the ten characters kept
    ASSERT_TRUE(LoadFile("Giocatore1=" + utf8Name + "\r\n").ok);
    EXPECT_EQ(DecodeUtf8(loaded_.PlayerName[kHuman]).size(), 8u);
    EXPECT_EQ(DecodeUtf8(loaded_.PlayerName[kHuman]).find(U'\uFFFD'), std::u32string::npos);

    fs::remove(folder_.path() / "vorbia.ini");
    ASSERT_TRUE(SaveSettings(loaded_, folder_.path()).ok);
    std::ifstream saved(folder_.path() / "VORBIA.ini", std::ios::binary);
    std::string line;
    for (int skipped = 0; skipped < 3; ++skipped) std::getline(saved, line);
    EXPECT_EQ(line, "Giocatore1=" + utf8Name + "\r");
}

TEST_F(BadSettingsFile, PipeOrEndlessDeviceIsAnAccessErrorNotAHang) {
    ASSERT_EQ(::mkfifo((folder_.path() / "vorbia.ini").c_str(), 0644), 0);
    const auto LoadErrorNumber = [this] {
        MatchState state;
        return LoadSettings(state, folder_.path()).errorNumber;
    };
    EXPECT_EQ(RunInChild(LoadErrorNumber, 10), kErrorFileAccess);

    fs::remove(folder_.path() / "vorbia.ini");
    fs::create_symlink("/dev/zero", folder_.path() / "VORBIA.INI");
    EXPECT_EQ(RunInChild(LoadErrorNumber, 10), kErrorFileAccess);
}

constexpr int kCannotDropPrivileges = 100;

// Root reads any file, so the load runs in a child that has become "nobody".
TEST_F(BadSettingsFile, UnreadableFileIsPermissionDenied) {
    folder_.Put("vorbia.ini", "VelocitaCarta=20\r\n");
    fs::permissions(folder_.path() / "vorbia.ini", fs::perms::none);
    const int errorNumber = RunInChild([this] {
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (nobody == nullptr || ::setgroups(0, nullptr) != 0 ||
                ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) {
                return kCannotDropPrivileges;
            }
        }
        if (std::FILE* file = std::fopen((folder_.path() / "vorbia.ini").c_str(), "rb")) {
            std::fclose(file);
            return kCannotDropPrivileges;
        }
        MatchState state;
        return LoadSettings(state, folder_.path()).errorNumber;
    });
    if (errorNumber == kCannotDropPrivileges) GTEST_SKIP() << "this user can read any file";
    EXPECT_EQ(errorNumber, kErrorPermissionDenied);
}

}  // namespace
}  // namespace vorbia
