#pragma once

#include "Players.h"

namespace vorbia {

// The name panel of the player to move alternates between its two blink colours. Each panel's
// last colour is kept across turns, so the first tick after a change of turn may repeat one.
class NameBlinking {
  public:
    // The palette index the panel of the player to move takes now.
    int Tick(Player turn);

  private:
    PerPlayer<int> last_{};
};

}  // namespace vorbia
