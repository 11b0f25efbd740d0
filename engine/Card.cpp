#include "Card.h"

#include <array>

namespace vorbia {

const std::string& SuitName(int suit) {
    static const std::array<std::string, 5> kNames = {"", "Denare", "Coppe", "Bastoni", "Spade"};
    return kNames.at(static_cast<size_t>(suit));
}

std::string ValueName(int value) {
    switch (value) {
        case 1: return "Asso";
        case 8: return "Fante";
        case 9: return "Cavallo";
        case 10: return "Re";
        default: return std::to_string(value);
    }
}

std::string NameEnding(std::string_view name) {
    // Names are UTF-8; only a plain a/A counts, so looking at the last byte is enough.
    if (!name.empty() && (name.back() == 'a' || name.back() == 'A')) return "a";
    return "o";
}

std::string HumanCaption(std::string_view name) {
    return std::string(name) + " (Uman" + NameEnding(name) + ")";
}

}  // namespace vorbia
