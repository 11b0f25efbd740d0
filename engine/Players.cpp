#include "Players.h"

namespace vorbia {

std::string NameEnding(std::string_view name) {
    // Names are UTF-8; only a plain a/A counts, so looking at the last byte is enough.
    if (!name.empty() && (name.back() == 'a' || name.back() == 'A')) return "a";
    return "o";
}

std::string HumanCaption(std::string_view name) {
    return std::string(name) + " (Uman" + NameEnding(name) + ")";
}

}  // namespace vorbia
