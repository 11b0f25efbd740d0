#include "NameBlinking.h"

#include "TableColours.h"

namespace vorbia {

int NameBlinking::Tick(Player turn) {
    const BlinkColours colours = kBlinkColours[turn];
    last_[turn] = last_[turn] == colours.first ? colours.second : colours.first;
    return last_[turn];
}

}  // namespace vorbia
