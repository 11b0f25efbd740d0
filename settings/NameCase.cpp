#include "NameCase.h"

#include "Utf8.h"

namespace vorbia {

namespace {

// Latin-1 letters sit 0x20 apart like ASCII ones; the multiplication and division signs sit
// among them but have no case.
constexpr char32_t kMultiplicationSign = 0xD7;
constexpr char32_t kDivisionSign = 0xF7;

struct CasePair {
    char32_t upper;
    char32_t lower;
};

// The pairs of Windows-1252 that are not 0x20 apart.
constexpr CasePair kOtherPairs[] = {
    {0x0160, 0x0161}, {0x0152, 0x0153}, {0x017D, 0x017E}, {0x0178, 0x00FF}};

char32_t ToUpperCase(char32_t character) {
    if (character >= U'a' && character <= U'z') return character - 0x20;
    if (character >= 0xE0 && character <= 0xFE && character != kDivisionSign) {
        return character - 0x20;
    }
    for (const CasePair& pair : kOtherPairs) {
        if (pair.lower == character) return pair.upper;
    }
    return character;
}

char32_t ToLowerCase(char32_t character) {
    if (character >= U'A' && character <= U'Z') return character + 0x20;
    if (character >= 0xC0 && character <= 0xDE && character != kMultiplicationSign) {
        return character + 0x20;
    }
    for (const CasePair& pair : kOtherPairs) {
        if (pair.upper == character) return pair.lower;
    }
    return character;
}

}  // namespace

std::string CapitaliseName(std::string_view name) {
    std::u32string characters = DecodeUtf8(name);
    for (std::size_t index = 0; index < characters.size(); ++index) {
        characters[index] =
            index == 0 ? ToUpperCase(characters[index]) : ToLowerCase(characters[index]);
    }
    return EncodeUtf8(characters);
}

}  // namespace vorbia
