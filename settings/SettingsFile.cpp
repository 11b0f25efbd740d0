#include "SettingsFile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "Card.h"
#include "Utf8.h"
#include "Windows1252.h"

namespace vorbia {

namespace {

constexpr std::string_view kReadName = "vorbia.ini";
constexpr std::string_view kWrittenName = "VORBIA.ini";
constexpr std::string_view kBackupName = "VORBIA.bak";

constexpr std::string_view kNameKey = "Giocatore1=";
constexpr std::string_view kSpeedKey = "VelocitaCarta=";
constexpr std::string_view kMessagesKey = "DisplayMessaggi=";

constexpr int kSlowestSpeed = 10;
constexpr int kFastestSpeed = 50;

// The file writes a switch as -1 when on and 0 when off; any other number reads as off.
constexpr int kSwitchOn = -1;
constexpr int kSwitchOff = 0;

char ToAsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameNameIgnoringCase(std::string_view first, std::string_view second) {
    if (first.size() != second.size()) return false;
    for (std::size_t index = 0; index < first.size(); ++index) {
        if (ToAsciiLower(first[index]) != ToAsciiLower(second[index])) return false;
    }
    return true;
}

// The numbers stay 16-bit as the file holds them: one beyond that is the overflow error.
struct ValuesRead {
    std::optional<std::string> name;  // Windows-1252 bytes
    std::optional<int16_t> speed;
    std::optional<int16_t> messages;
};

// The text after the first "=" of the whole line, which need not be the key's own.
std::string_view LineValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = line.substr(equals + 1);
    const std::size_t firstKept = value.find_first_not_of(' ');
    return firstKept == std::string_view::npos ? std::string_view{} : value.substr(firstKept);
}

// Returns an error number, or 0.
int TakeLine(std::string_view line, ValuesRead& values) {
    const std::string_view value = LineValue(line);
    if (line.find(kNameKey) != std::string_view::npos) {
        // Lines end only at CR, so a file with bare LF ends is one long line; a name never
        // runs on past a line feed into the keys that follow it.
        values.name = std::string(value.substr(0, value.find('\n')));
        return 0;
    }
    std::optional<int16_t>* target = nullptr;
    if (line.find(kSpeedKey) != std::string_view::npos) {
        target = &values.speed;
    } else if (line.find(kMessagesKey) != std::string_view::npos) {
        target = &values.messages;
    } else {
        return 0;
    }
    const std::optional<int16_t> number = ReadSettingsNumber(value);
    if (!number) return kErrorOverflow;
    *target = number;
    return 0;
}

int ReadFailureNumber(int errorCode) {
    return errorCode == EACCES ? kErrorPermissionDenied : kErrorFileAccess;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

LoadResult ReadSettingsFile(const std::filesystem::path& file, ValuesRead& values) {
    // A pipe would wait for a writer forever and a device such as /dev/zero never ends.
    std::error_code statusError;
    const auto type = std::filesystem::status(file, statusError).type();
    if (statusError) return {false, ReadFailureNumber(statusError.value())};
    if (type != std::filesystem::file_type::regular) return {false, kErrorFileAccess};

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.string().c_str(), "rb"));
    if (!stream) return {false, ReadFailureNumber(errno)};

    std::string line;
    std::array<char, std::size_t{64} * 1024> buffer{};
    bool lineFeedSkippable = false;  // an LF right after a CR belongs to that line end
    for (;;) {
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), stream.get());
        if (std::ferror(stream.get())) return {false, ReadFailureNumber(errno)};
        std::string_view chunk(buffer.data(), count);
        if (lineFeedSkippable && !chunk.empty() && chunk.front() == '\n') chunk.remove_prefix(1);
        if (!chunk.empty()) lineFeedSkippable = false;
        for (std::size_t end = chunk.find('\r'); end != std::string_view::npos;
             end = chunk.find('\r')) {
            line.append(chunk.substr(0, end));
            if (const int error = TakeLine(line, values); error != 0) return {false, error};
            line.clear();
            chunk.remove_prefix(end + 1);
            lineFeedSkippable = chunk.empty();
            if (!chunk.empty() && chunk.front() == '\n') chunk.remove_prefix(1);
        }
        line.append(chunk);
        if (count < buffer.size()) break;
    }
    if (const int error = TakeLine(line, values); error != 0) return {false, error};
    return {};
}

void ApplyRangeRules(MatchState& state) {
    if (state.CardSpeed < kSlowestSpeed || state.CardSpeed > kFastestSpeed) {
        state.CardSpeed = kSlowestSpeed;
    }
    state.PlayerName[Player::Human] =
        FirstCharacters(state.PlayerName[Player::Human], kLongestPlayerName);
}

std::string SignedNumberField(int value) {
    std::string field(1, value < 0 ? '-' : ' ');
    field += std::to_string(std::abs(value));
    field += ' ';
    return field;
}

std::string SettingsFileText(const MatchState& state) {
    const std::string lines[] = {
        "; File di inizializzazione per 'La VORBIA'",
        "; Non manomettere assolutamente queste righe!",
        std::string(kNameKey) + Utf8ToWindows1252(state.PlayerName[Player::Human]),
        std::string(kSpeedKey) + SignedNumberField(state.CardSpeed),
        std::string(kMessagesKey) + SignedNumberField(state.ShowMessages ? kSwitchOn : kSwitchOff)};
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

SaveResult Failed(std::string step) { return {false, std::move(step)}; }

}  // namespace

// Linux tells "vorbia.ini" and "VORBIA.ini" apart; the game reads either. The name the writer
// uses comes first, then the same pick on every run.
std::optional<std::filesystem::path> FindSettingsFile(const std::filesystem::path& folder) {
    const auto names = DiskSettingsFileSystem().ListNames(folder);
    if (!names) {
        // A folder that cannot be listed may still let a known name be opened.
        for (std::string_view name : {kWrittenName, kReadName}) {
            std::error_code error;
            if (std::filesystem::exists(folder / name, error)) return folder / name;
        }
        return std::nullopt;
    }
    std::optional<std::string> found;
    for (const std::string& name : *names) {
        if (!SameNameIgnoringCase(name, kReadName)) continue;
        if (name == kWrittenName) return folder / name;
        if (!found || name < *found) found = name;
    }
    if (!found) return std::nullopt;
    return folder / *found;
}

LoadResult LoadSettings(MatchState& state, const std::filesystem::path& folder) {
    try {
        ValuesRead values;
        if (const auto file = FindSettingsFile(folder)) {
            const LoadResult result = ReadSettingsFile(*file, values);
            if (!result.ok) return result;
        }
        if (values.name) state.PlayerName[Player::Human] = Windows1252ToUtf8(*values.name);
        if (values.speed) state.CardSpeed = *values.speed;
        if (values.messages) state.ShowMessages = *values.messages == kSwitchOn;
        ApplyRangeRules(state);
        return {};
    } catch (const std::exception&) {
        return {false, kErrorFileAccess};
    }
}

SaveResult SaveSettings(const MatchState& state, const std::filesystem::path& folder) {
    DiskSettingsFileSystem disk;
    return SaveSettings(state, folder, disk);
}

SaveResult SaveSettings(const MatchState& state, const std::filesystem::path& folder,
                        SettingsFileSystem& files) {
    std::string step = "list";
    try {
        const auto namesBefore = files.ListNames(folder);
        if (!namesBefore) return Failed(step);
        step = "delete";
        for (const std::string& name : *namesBefore) {
            if (SameNameIgnoringCase(name, kBackupName) && name != kBackupName &&
                files.IsRegularFile(folder / name) && !files.Remove(folder / name)) {
                return Failed(step);
            }
        }
        step = "create";
        const std::filesystem::path backup = folder / kBackupName;
        if (!files.Create(backup)) return Failed(step);
        step = "write";
        if (!files.Write(SettingsFileText(state))) {
            files.Close();
            files.Remove(backup);
            return Failed(step);
        }
        step = "close";
        if (!files.Close()) {
            files.Remove(backup);
            return Failed(step);
        }
        // Replacing in one step: there is no moment without a complete settings file.
        step = "rename";
        if (!files.Rename(backup, folder / kWrittenName)) return Failed(step);

        step = "list";
        const auto namesAfter = files.ListNames(folder);
        if (!namesAfter) return Failed(step);
        // Where letter case does not matter the listing holds one name for the one file, which
        // must not be removed; both names listed means two files.
        bool writtenNameListed = false;
        for (const std::string& name : *namesAfter) writtenNameListed |= name == kWrittenName;
        if (!writtenNameListed) return {};
        step = "delete";
        for (const std::string& name : *namesAfter) {
            // Only old settings files go: a folder or a link of the same name is the user's.
            if (SameNameIgnoringCase(name, kReadName) && name != kWrittenName &&
                files.IsRegularFile(folder / name) && !files.Remove(folder / name)) {
                return Failed(step);
            }
        }
        return {};
    } catch (const std::exception&) {
        return Failed(step);
    }
}

}  // namespace vorbia
