#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorbia {

enum class Player : uint8_t { Human, Computer };
constexpr int kPlayers = 2;

constexpr Player Opponent(Player player) {
    return player == Player::Human ? Player::Computer : Player::Human;
}

// One value for each player.
template <class T>
struct PerPlayer {
    std::array<T, kPlayers> values{};

    T& operator[](Player player) { return values[static_cast<size_t>(player)]; }
    const T& operator[](Player player) const { return values[static_cast<size_t>(player)]; }
    bool operator==(const PerPlayer&) const = default;
};

constexpr std::string_view kComputerName = "Dino (Computer)";
// The human's name is kept to its first characters, as many as this.
constexpr int kLongestPlayerName = 10;

// "a" or "o", by the name's last letter: it ends the words that speak of the player.
std::string NameEnding(std::string_view name);

// The human's name panel: the name, then " (Uman" and its ending, then ")".
std::string HumanCaption(std::string_view name);

}  // namespace vorbia
