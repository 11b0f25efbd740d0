#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "SettingsFile.h"

namespace vorbia {
namespace {

TEST(SettingsNumberReading, ReadsAsTheOldBasicVal) {
    // Halves go to the even neighbour on both sides of zero; hexadecimal and octal numbers of
    // up to 16 bits are two's complement.
    // clang-format off
    const std::pair<std::string, std::optional<int16_t>> cases[] = {
        {"50", 50}, {" 25 ", 25}, {"abc", 0}, {"", 0}, {"3x9", 3}, {"1,5", 1}, {"+7", 7},
        {"--7", 0}, {"1 2\t3\n4", 1234}, {"- 5", -5}, {"12.5", 12}, {"13.5", 14}, {"-12.5", -12},
        {"0.5", 0}, {".51", 1}, {"12.4999", 12}, {"2.5E1", 25}, {"25e-1", 2}, {"1d2", 100},
        {"1E", 1}, {"30 DisplayMessaggi=-1", 30}, {"1e-999999", 0}, {"&HFFFF", -1},
        {"&h7fff", 32767}, {"&H8000", -32768}, {"&HFFFFFFFF", -1}, {"& H 1A", 26}, {"&HG", 0},
        {"&O17", 15}, {"&o177777", -1}, {"&O8", 0}, {"32767.4", 32767}, {"-32768.5", -32768},
        {"32768", std::nullopt}, {"32767.5", std::nullopt}, {"-32769", std::nullopt},
        {"1e5", std::nullopt}, {"1e999999999999", std::nullopt}, {"&H10000", std::nullopt},
        {"&H100000000", std::nullopt}, {std::string(1'000'000, '0') + "42", 42},
        {"12." + std::string(1'000'000, '4') + "9", 12}, {std::string(1'000'000, '9'), std::nullopt}};
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
        {"ÿVES ŒUVRE ŠŽ", "Ÿves œuvre šž"}, {"ŁUKASZ", "Łukasz"}};
    // clang-format on
    for (const auto& [name, capitalised] : cases) EXPECT_EQ(CapitaliseName(name), capitalised);
}

}  // namespace
}  // namespace vorbia
