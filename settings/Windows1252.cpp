#include "Windows1252.h"

#include <array>
#include <cstddef>

#include "Utf8.h"

namespace vorbia {

namespace {

// Bytes 0x80 to 0x9F. The five bytes the code page leaves unused stand for the control
// characters of the same number, as Windows reads them, so they survive a load and a save.
constexpr std::array<char32_t, 32> kBytes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToWindows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t index = 0; index < kBytes80To9F.size(); ++index) {
        if (kBytes80To9F[index] == character) return static_cast<char>(0x80 + index);
    }
    return '?';
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::u32string characters;
    characters.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const bool isHigh = value >= 0x80 && value <= 0x9F;
        characters.push_back(isHigh ? kBytes80To9F[value - 0x80] : char32_t{value});
    }
    return EncodeUtf8(characters);
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string bytes;
    for (char32_t character : DecodeUtf8(text)) bytes.push_back(ToWindows1252Byte(character));
    return bytes;
}

}  // namespace vorbia
