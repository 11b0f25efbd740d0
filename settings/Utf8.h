#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorbia {

// Each byte that is not part of valid UTF-8 comes out as one U+FFFD, so nothing after it is lost.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view characters);

// The first `count` characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace vorbia
