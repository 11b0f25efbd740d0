#pragma once

#include <optional>

#include "Card.h"
#include "TableWindow.h"

namespace vorbia {

// The name panel of the player to move alternates between two palette colours. The values
// are kept across turns, so the first tick after a change of turn may repeat a colour.
class NameBlinking {
  public:
    struct Change {
        Element panel;
        int paletteIndex;
    };
    std::optional<Change> Tick(Player turn);

  private:
    int computerColour_ = 0;
    int humanColour_ = 0;
};

}  // namespace vorbia
