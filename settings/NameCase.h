#pragma once

#include <string>
#include <string_view>

namespace vorbia {

// First character upper-case, the rest lower-case: «gIMBO» gives «Gimbo». Only the letters
// the settings file can hold (ASCII and the accented letters of Windows-1252) change case.
std::string CapitaliseName(std::string_view name);

}  // namespace vorbia
