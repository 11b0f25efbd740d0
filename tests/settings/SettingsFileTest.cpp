#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "Card.h"
#include "SettingsFile.h"
#include "TemporaryFolder.h"
#include "Windows1252.h"

namespace vorbia {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

using Settings = std::tuple<std::string, int, bool>;  // name, card speed, messages

MatchState StateWith(const Settings& settings) {
    const auto& [name, speed, messages] = settings;
    MatchState state;
    state.PlayerName[Player::Human] = name;
    state.CardSpeed = speed;
    state.ShowMessages = messages;
    return state;
}

Settings Of(const MatchState& state) {
    return {state.PlayerName[Player::Human], state.CardSpeed, state.ShowMessages};
}

class SettingsFile : public ::testing::Test {
  protected:
    MatchState Load() {
        MatchState state;
        EXPECT_EQ(LoadSettings(state, folder_.path()).errorNumber, 0);
        return state;
    }
    TemporaryFolder folder_;
};

TEST_F(SettingsFile, ReadingRulesAndBadFiles) {
    std::mt19937 generator(2002);
    std::string garbage(size_t{256} * 1024, '\0');
    for (char& byte : garbage) byte = static_cast<char>(generator());
    std::string severalMegabytes;
    for (int line = 0; line < 250'000; ++line) severalMegabytes += "Giocatore1=Ugo\r\n";
    const std::pair<std::string, Settings> cases[] = {
        {"VelocitaCarta=50\r\nDisplayMessaggi=&HFFFF\r\n", {"", 50, true}},
        {"VelocitaCarta=9\r\nDisplayMessaggi=1\r\n", {"", 10, false}},
        {"giocatore1=Ugo\r\nGiocatore1=Primo\r\nGiocatore1=Secondo\r\n", {"Secondo", 10, false}},
        {"DisplayMessaggi=-1 Giocatore1=Bob\r\n", {"-1 Giocato", 10, false}},
        {"Giocatore1=   Niccol\xF2 \x80\x80\x80\r\n",
         {"Niccolò €€", 10, false}},  // cut by characters
        {"Giocatore1=Ugo\rVelocitaCarta=40", {"Ugo", 40, false}},
        {"Giocatore1= \tUgo \r\nVelocitaCarta=10\r\n", {"\tUgo ", 10, false}},  // only blanks go
        {"\0\xFF\r\nGiocatore1=Ugo\0Bo\r\nVelocitaCarta=30\0 9\r\n"s, {"Ugo\0Bo"s, 30, false}},
        // Bare LF ends make one long line: only its first key counts, and the name stops at LF.
        {"Giocatore1=Gimbo\nVelocitaCarta=25\nDisplayMessaggi=-1\n", {"Gimbo", 10, false}},
        {"", {"", 10, false}},
        {garbage, {"", 10, false}},
        {severalMegabytes, {"Ugo", 10, false}},
        {"VelocitaCarta=" + std::string(1'000'000, '0') + "35",
         {"", 35, false}},  // one line, no end
        // a key split by the end of the 64 KiB reading buffer
        {std::string(size_t{64} * 1024 - 10, ';') + "\r\nVelocitaCarta=42\r\nGiocatore1=Ugo",
         {"Ugo", 42, false}}};
    for (const auto& [bytes, expected] : cases) {
        folder_.Put("vorbia.ini", bytes);
        EXPECT_EQ(Of(Load()), expected) << bytes.substr(0, 80);
    }
}

TEST_F(SettingsFile, FailedLoadsGiveTheStartUpErrorNumberAndChangeNothing) {
    const fs::path file = folder_.path() / "vorbia.ini";
    MatchState state;
    folder_.Put("vorbia.ini", "Giocatore1=Ugo\r\nVelocitaCarta=40000\r\nVelocitaCarta=20\r\n");
    EXPECT_EQ(LoadSettings(state, folder_.path()).errorNumber, kErrorOverflow);
    EXPECT_EQ(Of(state), Settings("", 0, false)) << "a failed load changes nothing";

    fs::remove(file);
    fs::create_directory(folder_.path() / "Vorbia.INI");
    EXPECT_EQ(LoadSettings(state, folder_.path()).errorNumber, kErrorFileAccess) << "folder";
    fs::remove(folder_.path() / "Vorbia.INI");
    // Only regular files are read: a pipe may wait forever and /dev/zero never ends.
    fs::create_symlink("/dev/null", file);
    EXPECT_EQ(LoadSettings(state, folder_.path()).errorNumber, kErrorFileAccess) << "device";
    fs::remove(file);

    folder_.Put("vorbia.ini", "VelocitaCarta=20\r\n");
    fs::permissions(file, fs::perms::none);
    fs::permissions(folder_.path(), fs::perms(0755));
    // Root reads any file, so it tries this one as "nobody".
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && (nobody == nullptr || ::seteuid(nobody->pw_uid) != 0)) {
        GTEST_SKIP() << "no user who may not read the file";
    }
    const bool readable = std::ifstream(file).is_open();
    const int errorNumber = LoadSettings(state, folder_.path()).errorNumber;
    ASSERT_EQ(::seteuid(::getuid()), 0);
    if (readable) GTEST_SKIP() << "this user can read any file";
    EXPECT_EQ(errorNumber, kErrorPermissionDenied) << "unreadable";
}

TEST(SettingsNumberReading, SkipsBlanksStopsAtTheFirstStrayCharacterAndRoundsHalvesToEven) {
    // Halves go to the even neighbour on both sides of zero; hexadecimal and octal numbers of
    // up to 16 bits are two's complement.
    // clang-format off
    const std::pair<std::string, std::optional<int16_t>> cases[] = {
        {" 25 ", 25}, {"abc", 0}, {"1,5", 1}, {"+7", 7}, {"--7", 0}, {"1 2\t3\n4", 1234},
        {"12.5", 12}, {"13.5", 14}, {"-12.5", -12}, {".51", 1}, {"12.4999", 12}, {"2.5E1", 25},
        {"25e-1", 2}, {"1d2", 100}, {"1E", 1}, {"30 DisplayMessaggi=-1", 30}, {"1e-999999", 0},
        {"&HFFFF", -1}, {"&h7fff", 32767}, {"&H8000", -32768}, {"&HFFFFFFFF", -1}, {"& H 1A", 26},
        {"&HG", 0}, {"&O17", 15}, {"&O8", 0}, {"-32768.5", -32768}, {"32768", std::nullopt},
        {"32767.5", std::nullopt}, {"-32769", std::nullopt}, {"1e5", std::nullopt},
        {"1e999999999999", std::nullopt}, {"&H10000", std::nullopt}, {"&H100000000", std::nullopt},
        {std::string(1'000'000, '0') + "42", 42}, {"12." + std::string(1'000'000, '4') + "9", 12},
        {std::string(1'000'000, '9'), std::nullopt}};
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadSettingsNumber(text), expected) << '"' << text.substr(0, 20);
    }
}

// No single upper-case ß exists; Ł lies outside the settings file's code page.
TEST(CapitaliseName, FirstUpperRestLowerAccentedLettersIncluded) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"gIMBO", "Gimbo"}, {"de rossi", "De rossi"}, {"", ""}, {"a×B÷", "A×b÷"}, {"ßA", "ßa"},
        {"àßÉ", "Àßé"}, {"ÉÀß", "Éàß"}, {"òÝÞ", "Òýþ"},
        {"ÿVES ŒUVRE ŠŽ", "Ÿves œuvre šž"}, {"ŁUKASZ", "Łukasz"}};
    // clang-format on
    for (const auto& [name, capitalised] : cases) EXPECT_EQ(CapitaliseName(name), capitalised);
}

// Bytes 0x80 to 0x9F are where the code page differs from Latin-1; the five it leaves unused
// stay the control characters of the same number.
TEST(CodePage, TheBytesFrom80To9FReadAsWindowsShowsThem) {
    std::string bytes;
    for (int byte = 0x80; byte <= 0x9F; ++byte) bytes += static_cast<char>(byte);
    const std::string text = "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";
    EXPECT_EQ(Windows1252ToUtf8(bytes), text);
    EXPECT_EQ(Utf8ToWindows1252(text), bytes);
}

// The exact bytes of the file with messages on are checked after OK in the options dialog's test.
TEST_F(SettingsFile, NamesRoundTripThroughTheCodePage) {
    ASSERT_TRUE(SaveSettings(StateWith({"Gimbo", 10, false}), folder_.path()).ok);
    std::ifstream file(folder_.path() / "VORBIA.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
              "; File di inizializzazione per 'La VORBIA'\r\n"
              "; Non manomettere assolutamente queste righe!\r\n"
              "Giocatore1=Gimbo\r\nVelocitaCarta= 10 \r\nDisplayMessaggi= 0 \r\n");
    const Settings cases[][2] = {{{"Ærø €‰ Zoë", 50, true}, {"Ærø €‰ Zoë", 50, true}},
                                 {{"Łukasz 😀", 1, false}, {"?ukasz ?", 10, false}}};
    for (const auto& [saved, loaded] : cases) {
        ASSERT_TRUE(SaveSettings(StateWith(saved), folder_.path()).ok);
        EXPECT_EQ(Of(Load()), loaded);
    }
}

// A folder or a link named like the settings file is not an old settings file to clean up.
TEST_F(SettingsFile, ASaveLeavesFoldersAndLinksOfSimilarNamesAlone) {
    folder_.Put("vorbia.ini/notes.txt", "mine");
    fs::create_directory(folder_.path() / "Vorbia.INI");
    fs::create_directory(folder_.path() / "vorbia.BAK");
    folder_.Put("elsewhere.txt", "kept");
    fs::create_symlink(folder_.path() / "elsewhere.txt", folder_.path() / "VORBIA.INI");
    folder_.Put("vorbia.Ini", "Giocatore1=Vecchio\r\n");

    const SaveResult saved = SaveSettings(StateWith({"Nuovo", 30, true}), folder_.path());
    EXPECT_TRUE(saved.ok) << saved.failedStep;
    EXPECT_EQ(Load().PlayerName[Player::Human], "Nuovo");
    EXPECT_FALSE(fs::exists(folder_.path() / "vorbia.Ini")) << "the old file stays";
    for (const char* mine : {"vorbia.ini/notes.txt", "Vorbia.INI", "vorbia.BAK", "VORBIA.INI"}) {
        EXPECT_TRUE(fs::exists(fs::symlink_status(folder_.path() / mine))) << mine;
    }
}

// Passes every step to the disk, except one occurrence of one step that fails, and before each
// step checks that a start of the program at that moment reads the old or the new settings.
class ObservedFileSystem : public SettingsFileSystem {
  public:
    ObservedFileSystem(fs::path folder, std::string step, int occurrence)
        : folder_(std::move(folder)), failingStep_(std::move(step)), occurrence_(occurrence) {}

    std::optional<std::vector<std::string>> ListNames(const fs::path& folder) override {
        return Fails("list") ? std::nullopt : disk_.ListNames(folder);
    }
    bool Create(const fs::path& file) override { return !Fails("create") && disk_.Create(file); }
    bool Write(std::string_view bytes) override { return !Fails("write") && disk_.Write(bytes); }
    bool Close() override {
        const bool fails = Fails("close");
        return disk_.Close() && !fails;
    }
    bool Remove(const fs::path& file) override { return !Fails("delete") && disk_.Remove(file); }
    bool IsRegularFile(const fs::path& file) override { return disk_.IsRegularFile(file); }
    bool Rename(const fs::path& from, const fs::path& to) override {
        return !Fails("rename") && disk_.Rename(from, to);
    }

  private:
    bool Fails(std::string_view step) {
        MatchState state;
        const std::string name =
            LoadSettings(state, folder_).ok ? state.PlayerName[Player::Human] : "?";
        EXPECT_TRUE(name == "Vecchio" || name == "Nuovo") << "before " << step << ": " << name;
        return step == failingStep_ && ++seen_ == occurrence_;
    }

    DiskSettingsFileSystem disk_;
    fs::path folder_;
    std::string failingStep_;
    int occurrence_;
    int seen_ = 0;
};

// Whichever step fails, the save names it and the old or the new settings are there, complete;
// with both, the written name is read. The next save cleans up.
TEST(SettingsSaveMoments, EveryMomentHoldsTheOldOrTheNewSettings) {
    const std::tuple<std::string, int, std::string> faults[] = {
        // step, occurrence, name after
        {"", 0, "Nuovo"},         {"list", 1, "Vecchio"},  {"delete", 1, "Vecchio"},
        {"create", 1, "Vecchio"}, {"write", 1, "Vecchio"}, {"close", 1, "Vecchio"},
        {"rename", 1, "Vecchio"}, {"list", 2, "Nuovo"},    {"delete", 2, "Nuovo"}};
    for (const auto& [step, occurrence, nameAfter] : faults) {
        SCOPED_TRACE("failing " + step);
        TemporaryFolder folder;
        folder.Put("VORBIA.INI", "Giocatore1=Vecchio\r\n");
        folder.Put("Vorbia.bak", "Giocatore1=Rottame\r\n");
        const MatchState state = StateWith({"Nuovo", 10, false});
        ObservedFileSystem files(folder.path(), step, occurrence);
        EXPECT_EQ(SaveSettings(state, folder.path(), files).failedStep, step);
        MatchState after;
        ASSERT_TRUE(LoadSettings(after, folder.path()).ok);
        EXPECT_EQ(after.PlayerName[Player::Human], nameAfter);

        ASSERT_TRUE(SaveSettings(state, folder.path()).ok);
        const std::vector<fs::path> entries{fs::directory_iterator(folder.path()), {}};
        EXPECT_EQ(entries, std::vector<fs::path>{folder.path() / "VORBIA.ini"});
    }
}

}  // namespace
}  // namespace vorbia
