#pragma once

#include <string>
#include <string_view>

namespace vorbia {

// The settings file holds one Windows-1252 byte per character; names in memory are UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// A character the code page cannot hold becomes "?".
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace vorbia
