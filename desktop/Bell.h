#pragma once

namespace vorbia {

// The desktop's warning sound. Qt has no bell on Wayland: there the sound theme's window bell
// is played through libcanberra's player, as the desktop's own programs sound it, and nothing
// is heard when the player is not installed.
void RingBell();

}  // namespace vorbia
