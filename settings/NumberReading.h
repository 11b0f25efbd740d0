#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorbia {

// Reads the number a settings value starts with: blanks, tabs and line feeds are skipped
// wherever they stand, the number runs as far as it can and the first other character ends
// it; "&H" and "&O" start hexadecimal and octal numbers; no number at all gives 0. The value
// is rounded half to even. std::nullopt when the result does not fit 16 bits: the file's
// numbers are 16-bit, and one beyond that is the overflow error the player is shown.
std::optional<int16_t> ReadSettingsNumber(std::string_view text);

}  // namespace vorbia
