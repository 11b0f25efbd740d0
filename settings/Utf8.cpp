#include "Utf8.h"

namespace vorbia {

namespace {

constexpr char32_t kReplacementCharacter = U'\uFFFD';

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsCodePoint(char32_t character) {
    return character <= 0x10FFFF && (character < 0xD800 || character > 0xDFFF);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string characters;
    std::size_t index = 0;
    while (index < text.size()) {
        const auto lead = static_cast<unsigned char>(text[index]);
        std::size_t length = 1;
        char32_t character = lead;
        char32_t smallest = 0;
        if (lead >= 0xC0 && lead < 0xE0) {
            length = 2;
            character = lead & 0x1F;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            character = lead & 0x0F;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            character = lead & 0x07;
            smallest = 0x10000;
        } else if (lead >= 0x80) {
            length = 0;  // a stray continuation byte or an impossible lead byte
        }
        std::size_t taken = 1;
        while (taken < length && index + taken < text.size() &&
               IsContinuationByte(static_cast<unsigned char>(text[index + taken]))) {
            character = (character << 6) | (static_cast<unsigned char>(text[index + taken]) & 0x3F);
            ++taken;
        }
        const bool valid =
            length != 0 && taken == length && character >= smallest && IsCodePoint(character);
        characters.push_back(valid ? character : kReplacementCharacter);
        index += taken;
    }
    return characters;
}

std::string EncodeUtf8(std::u32string_view characters) {
    std::string text;
    for (char32_t character : characters) {
        if (!IsCodePoint(character)) character = kReplacementCharacter;
        if (character < 0x80) {
            text.push_back(static_cast<char>(character));
        } else if (character < 0x800) {
            text.push_back(static_cast<char>(0xC0 | (character >> 6)));
            text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        } else if (character < 0x10000) {
            text.push_back(static_cast<char>(0xE0 | (character >> 12)));
            text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        } else {
            text.push_back(static_cast<char>(0xF0 | (character >> 18)));
            text.push_back(static_cast<char>(0x80 | ((character >> 12) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        }
    }
    return text;
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    const std::u32string characters = DecodeUtf8(text);
    // A short text is returned byte for byte, so a name that needs no cut is never altered.
    if (characters.size() <= count) return std::string(text);
    return EncodeUtf8(std::u32string_view(characters).substr(0, count));
}

}  // namespace vorbia
